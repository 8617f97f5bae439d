#include "app/play_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "flows/page_playback.h"

namespace strumix {

void fill_instrument_menu(QMenu& menu, const LayoutModel& layout, PagePlayback& playback) {
    static const struct {
        StaffInstrument instrument;
        const char* text;
    } kChoices[] = {
        {StaffInstrument::SteelGuitar, "&Steel-String Guitar"},
        {StaffInstrument::NylonGuitar, "&Nylon-String Guitar"},
        {StaffInstrument::CleanElectric, "&Clean Electric Guitar"},
        {StaffInstrument::DistortedElectric, "&Distorted Electric Guitar"},
        {StaffInstrument::Bass, "&Bass"},
    };
    menu.clear();
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        QString caption = layout.line_props[std::size_t(staff)].caption.trimmed();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QMenu* sub =
            menu.addMenu(caption.isEmpty() ? QStringLiteral("Staff &%1").arg(staff + 1)
                                           : QStringLiteral("&%1 %2").arg(staff + 1).arg(caption));
        sub->setObjectName(QStringLiteral("menu_instrument_%1").arg(staff + 1));
        auto* group = new QActionGroup(sub);
        const StaffInstrument playing = playback.instrument(staff);
        for (const auto& choice : kChoices) {
            QAction* action = sub->addAction(QString::fromLatin1(choice.text));
            action->setCheckable(true);
            action->setChecked(choice.instrument == playing);
            group->addAction(action);
            QObject::connect(action, &QAction::triggered, &menu,
                             [&playback, staff, instrument = choice.instrument] {
                                 playback.set_instrument(staff, instrument);
                             });
        }
    }
}

}  // namespace strumix
