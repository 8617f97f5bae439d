#include "app/help_viewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "page/glyphs.h"
#include "page/program_facts.h"

namespace strumix {

QPointer<HelpViewer> HelpViewer::instance_;

namespace {

std::optional<int> own_context(const QObject* object) {
    if (!object) return std::nullopt;
    const QVariant value = object->property(kHelpContextProperty);
    if (!value.isValid()) return std::nullopt;
    bool ok = false;
    const int context = value.toInt(&ok);
    if (!ok || context <= 0) return std::nullopt;
    return context;
}

// The topic of a highlighted item: a submenu's own number, the item's number ("&Contents"
// carries 1), else the number of the menu it belongs to.
std::optional<int> menu_item_context(const QAction* action, const QObject* owner) {
    if (action) {
        if (const auto context = own_context(action->menu())) return context;
        if (const auto context = own_context(action)) return context;
    }
    return help_context_of(owner);
}

}  // namespace

std::optional<int> help_context_of(const QObject* object) {
    for (const QObject* at = object; at; at = at->parent()) {
        if (const auto context = own_context(at)) return context;
    }
    return std::nullopt;
}

std::optional<int> help_context_for_request() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        return menu_item_context(menu->activeAction(), menu);
    }
    QWidget* focus = QApplication::focusWidget();
    if (auto* bar = qobject_cast<QMenuBar*>(focus); bar && bar->activeAction()) {
        return menu_item_context(bar->activeAction(), bar);
    }
    QWidget* window = QApplication::activeModalWidget();
    if (!window) window = QApplication::activeWindow();
    if (!window) return std::nullopt;
    const QObject* from = (focus && focus->window() == window) ? focus : window;
    const auto context = help_context_of(from);
    if (context == kHelpMainWindow && own_context(window) == kHelpMainWindow) return kHelpContents;
    return context ? context : std::optional<int>(kHelpContents);
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return QObject::eventFilter(watched, event);
    }
    // A handled ShortcutOverride is followed by the key press itself; one request each.
    if (type == QEvent::KeyPress && swallow_press_) {
        swallow_press_ = false;
        return true;
    }
    const auto context = help_context_for_request();
    if (!context) return QObject::eventFilter(watched, event);
    last_ = *context;
    swallow_press_ = type == QEvent::ShortcutOverride;
    key->accept();
    // The help window takes over from a highlighted menu, as it would after a click.
    for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open) {
        QApplication::activePopupWidget()->close();
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    HelpViewer::request(*context, parent);
    return true;
}

HelpViewer* HelpViewer::instance() { return instance_.data(); }

HelpViewer* HelpViewer::open(int context, QString* error) {
    QString path = registered_help_file();
    if (path.isEmpty()) path = locate_help_file(QCoreApplication::applicationDirPath());
    if (!instance_ || instance_->path_ != path) {
        std::optional<HelpFile> file = HelpFile::load(path, error);
        if (!file) return nullptr;
        delete instance_.data();
        instance_ = new HelpViewer(std::move(*file), path);
    }
    HelpViewer* viewer = instance_.data();
    // A modal dialog blocks every other window; help asked for from it belongs to it, so the
    // user can read and scroll it while the dialog waits.
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == viewer) owner = nullptr;
    if (viewer->parentWidget() != owner) viewer->setParent(owner, viewer->windowFlags());
    viewer->history_.clear();
    viewer->show_topic(context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void HelpViewer::request(int context, QWidget* parent) {
    QString error;
    if (open(context, &error)) return;
    QString path = registered_help_file();
    if (path.isEmpty()) path = locate_help_file(QCoreApplication::applicationDirPath());
    QMessageBox::warning(
        parent, program_title(),
        QCoreApplication::translate("HelpViewer",
                                    "Help is not available: the help file \"%1\" could not "
                                    "be read.\n%2")
            .arg(path, error));
}

HelpViewer::HelpViewer(HelpFile file, QString path)
    : QWidget(nullptr, Qt::Window), file_(std::move(file)), path_(std::move(path)) {
    setObjectName(QStringLiteral("help_viewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    // F1 inside help leads to the contents.
    setProperty(kHelpContextProperty, kHelpContents);
    setWindowIcon(program_icon(QStringLiteral(":/icons/main.png")));
    resize(620, 640);

    auto* contents = new QPushButton(QCoreApplication::translate("HelpViewer", "&Contents"), this);
    contents->setObjectName(QStringLiteral("help_contents"));
    back_ = new QPushButton(QCoreApplication::translate("HelpViewer", "&Back"), this);
    back_->setObjectName(QStringLiteral("help_back"));
    auto* close = new QPushButton(QCoreApplication::translate("HelpViewer", "C&lose"), this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("help_text"));
    browser_->setOpenLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(contents, &QPushButton::clicked, this, [this] { show_topic(kHelpContents); });
    connect(back_, &QPushButton::clicked, this, &HelpViewer::go_back);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::link_clicked);
}

bool HelpViewer::show_topic(int context) {
    std::optional<HelpFile::Topic> topic = file_.topic(context);
    bool found = topic.has_value();
    if (!found) {
        context = kHelpContents;
        topic = file_.topic(context);
        if (!topic) topic = file_.topic(file_.contexts().constFirst());
    }
    if (current_ != 0 && current_ != context) history_.append(current_);
    current_ = context;
    browser_->setHtml(QStringLiteral("<html><head><style>") + file_.style() +
                      QStringLiteral("</style></head><body>") + topic->html +
                      QStringLiteral("</body></html>"));
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Strumix Help - ") + topic->title);
    back_->setEnabled(!history_.isEmpty());
    return found;
}

void HelpViewer::go_back() {
    if (history_.isEmpty()) return;
    const int previous = history_.takeLast();
    current_ = 0;
    show_topic(previous);
    back_->setEnabled(!history_.isEmpty());
}

void HelpViewer::link_clicked(const QUrl& url) {
    if (const auto context = help_link_target(url.toString())) show_topic(*context);
}

}  // namespace strumix
