#include "app/assembly.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "app/file_window.h"
#include "app/help_file.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "app/play_menu.h"
#include "app/quit_signals.h"
#include "layout/layout_dialog.h"

namespace strumix {

Assembly::Assembly(Questions* questions, const QString& recovery_root, const QString& settings_file,
                   SoundOutput* sound)
    : questions_(questions ? *questions : boxes_),
      sound_(sound ? *sound : device_sound_),
      store_(recovery_root),
      keeper_(std::make_unique<RecoveryKeeper>(doc_, store_)),
      view_host_(std::make_unique<ViewHost>(questions_)),
      tools_(std::make_unique<ToolPalette>(doc_, *view_host_)),
      form1_(std::make_unique<MainWindow>(doc_, *tools_)),
      dialogs_(std::make_unique<DialogsHost>(questions_, *form1_, doc_.model())),
      flows_(std::make_unique<UserFlows>(doc_, *tools_, *dialogs_, *dialogs_, store_, *keeper_,
                                         sound_, settings_file)) {
    boxes_.set_window(form1_.get());
    view_host_->set_window(form1_.get());
    form1_->create_menus(main_menus(*form1_, *tools_, doc_, *flows_));
    QAction* save_on_exit = form1_->action(QStringLiteral("option_save_settings"));
    QObject::connect(flows_.get(), &UserFlows::saveOnExitChanged, save_on_exit,
                     &QAction::setChecked);
    auto fill_recent = [this] {
        form1_->fill_recent_menu(flows_->recent().paths(),
                                 [this](const QString& path) { flows_->open_recent(path); });
    };
    QObject::connect(&flows_->recent(), &RecentPages::changed, form1_.get(), fill_recent);
    fill_recent();
    form1_->query_unload = [this] { return flows_->query_unload(); };
    QObject::connect(form1_.get(), &MainWindow::pageDropped, form1_.get(),
                     [this](const QString& path) { flows_->commands().open_path(path); });
    wire_playback();
    // The history's two entries are there when there is a step to take.
    QAction* back = form1_->action(QStringLiteral("mnu_step_back"));
    QAction* forward = form1_->action(QStringLiteral("mnu_step_forward"));
    auto steps = [this, back, forward] {
        back->setEnabled(doc_.history().can_step_back());
        forward->setEnabled(doc_.history().can_step_forward());
    };
    QObject::connect(&doc_.history(), &PageHistory::availabilityChanged, form1_.get(), steps);
    steps();
}

void Assembly::wire_playback() {
    PagePlayback& playback = flows_->playback();
    PageWidget* page = form1_->page();
    // The marker over the column being heard, and the view following it.
    QObject::connect(&playback, &PagePlayback::markerMoved, page, [this, page](const QRect& rect) {
        page->set_play_marker(rect);
        if (!rect.isNull()) form1_->make_visible(rect);
    });
    // A click on the page stops the sound before the tool acts.
    QObject::connect(page, &PageWidget::pressed, &playback, &PagePlayback::stop);
    QAction* play = form1_->action(QStringLiteral("mnu_play"));
    const QList<QKeySequence> keys = play->shortcuts();
    QObject::connect(&playback, &PagePlayback::playingChanged, play, [play, keys](bool playing) {
        play->setText(playing ? QCoreApplication::translate("MainWindow", "&Stop")
                              : QCoreApplication::translate("MainWindow", "&Play"));
        play->setShortcuts(playing ? keys + QList<QKeySequence>{QKeySequence(Qt::Key_Escape)}
                                   : keys);
    });
    QMenu* instruments = form1_->menu(QStringLiteral("menu_instrument"));
    QObject::connect(instruments, &QMenu::aboutToShow, instruments, [this, instruments] {
        fill_instrument_menu(*instruments, doc_.model(), flows_->playback());
    });
}

void Assembly::sync_play_menu() {
    PagePlayback& playback = flows_->playback();
    form1_->action(QStringLiteral("mnu_loop"))->setChecked(playback.loop());
    form1_->action(QStringLiteral("mnu_count_in"))->setChecked(playback.count_in());
}

Assembly::~Assembly() = default;

void Assembly::start() {
    register_help_file(locate_help_file(QCoreApplication::applicationDirPath()));
    // Loaded hidden at start-up, its folder list at the program's folder (or the user's
    // documents when the program's folder is not theirs to write in).
    dialogs_->file_window();
    form1_->center_window();
    flows_->start();
    sync_play_menu();
}

void Assembly::end_on_quit_signals() {
    if (quit_signals_) return;
    quit_signals_ = new QuitSignals(form1_.get());
    QObject::connect(quit_signals_, &QuitSignals::received, form1_.get(), [this](int signal) {
        keeper_->write_now();
        QCoreApplication::exit(128 + signal);
    });
}

}  // namespace strumix
