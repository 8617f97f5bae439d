#include "app/play_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "flows/page_playback.h"

namespace strumix {

void fill_instrument_menu(QMenu& menu, const LayoutModel& layout, PagePlayback& playback) {
    static const struct {
        StaffInstrument instrument;
        const char* text;
    } kChoices[] = {
        {StaffInstrument::SteelGuitar, QT_TRANSLATE_NOOP("MainWindow", "&Steel-String Guitar")},
        {StaffInstrument::NylonGuitar, QT_TRANSLATE_NOOP("MainWindow", "&Nylon-String Guitar")},
        {StaffInstrument::CleanElectric, QT_TRANSLATE_NOOP("MainWindow", "&Clean Electric Guitar")},
        {StaffInstrument::DistortedElectric,
         QT_TRANSLATE_NOOP("MainWindow", "&Distorted Electric Guitar")},
        {StaffInstrument::Bass, QT_TRANSLATE_NOOP("MainWindow", "&Bass")},
    };
    menu.clear();
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        QString caption = layout.line_props[std::size_t(staff)].caption.trimmed();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QMenu* sub =
            menu.addMenu(caption.isEmpty()
                             ? QCoreApplication::translate("MainWindow", "Staff &%1").arg(staff + 1)
                             : QStringLiteral("&%1 %2").arg(staff + 1).arg(caption));
        sub->setObjectName(QStringLiteral("menu_instrument_%1").arg(staff + 1));
        auto* group = new QActionGroup(sub);
        const StaffInstrument playing = playback.instrument(staff);
        for (const auto& choice : kChoices) {
            QAction* action =
                sub->addAction(QCoreApplication::translate("MainWindow", choice.text));
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
