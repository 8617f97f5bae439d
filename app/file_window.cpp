#include "app/file_window.h"

#include <fnmatch.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <algorithm>
#include <optional>

#include "document/questions.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/program_facts.h"
#include "widgets/panels.h"

namespace strumix {

namespace {

constexpr char kOpenCaption[] = QT_TRANSLATE_NOOP("FileWindow", "Open File");
constexpr char kSaveCaption[] = QT_TRANSLATE_NOOP("FileWindow", "Save File As...");
constexpr int kPatternLength = 11;
constexpr int kFolderRole = Qt::UserRole;
// Each entry's pattern fills its first kPatternLength characters, in every language.
const char* const kFileTypes[2] = {QT_TRANSLATE_NOOP("FileWindow", "*.bmp;*.tab  Bitmaps"),
                                   QT_TRANSLATE_NOOP("FileWindow", "*.*          All Files")};
// Open also takes text tabs in.
constexpr char kTextTabs[] = QT_TRANSLATE_NOOP("FileWindow", "*.txt        Text Tabs");

void white_list(QWidget* list) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    list->setPalette(palette);
}

// "*.*" means every file, as it always has on the desktop the program comes from; Qt's own
// "*.*" would pass over names without a dot.
QStringList name_filters(const QString& pattern) {
    QStringList filters;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString filter = part.trimmed();
        if (filter.isEmpty()) continue;
        filters << (filter == QLatin1String("*.*") ? QStringLiteral("*") : filter);
    }
    return filters;
}

// Whether `name` matches one of the wildcard `filters`, letter case aside. Matched by the C
// library's wildcards: Qt's name filters compile each into a regular expression, which brought
// the expression engine into every start-up for a list the window fills while still hidden
// (half a megabyte resident).
bool matches_any(const QStringList& filters, const QString& name) {
    const QByteArray encoded = QFile::encodeName(name);
    return std::any_of(filters.begin(), filters.end(), [&](const QString& filter) {
        return ::fnmatch(QFile::encodeName(filter).constData(), encoded.constData(),
                         FNM_NOESCAPE | FNM_CASEFOLD) == 0;
    });
}

}  // namespace

FileWindow::FileWindow(Questions& questions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      questions_(questions) {
    setObjectName(QStringLiteral("filewin"));
    setWindowTitle(QCoreApplication::translate("FileWindow", "File Window"));
    setModal(true);
    setSizeGripEnabled(true);
    resize(twips_to_pixels(5760), twips_to_pixels(4305));
    create_tiles();
    create_controls();
    set_help_context(this, kHelpFileWindow);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    fill_drives();
    set_folder(start_folder(QCoreApplication::applicationDirPath()));
    for (const char* entry : kFileTypes)
        ftypes_->addItem(QCoreApplication::translate("FileWindow", entry));
    ftypes_->setCurrentIndex(0);
    ftypes_Click();
}

void FileWindow::create_tiles() {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            QLabel* tile = tile_copy(this, 4 * r + c, QPoint());
            tile->move(c * tile->width(), r * tile->height());
            tiles_[4 * r + c] = tile;
        }
    }
}

void FileWindow::create_controls() {
    box_ = new QFrame(this);
    box_->setObjectName(QStringLiteral("box"));
    box_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    box_->setAutoFillBackground(true);
    box_->setGeometry(twips_rect(240, 180, 5235, 435));
    auto* caption = new QLabel(QCoreApplication::translate("FileWindow", "Filename:"), box_);
    caption->setObjectName(QStringLiteral("box_caption"));
    QFont bold(shipped_font_family());
    bold.setPixelSize(13);
    bold.setBold(true);
    caption->setFont(bold);
    caption->setGeometry(twips_rect(60, 30, 1780, 375));
    caption->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    panel_ = new QFrame(box_);
    panel_->setObjectName(QStringLiteral("SSPanel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setGeometry(twips_rect(1860, 30, 3315, 375));
    box_file_ = new QLineEdit(panel_);
    box_file_->setObjectName(QStringLiteral("box_file"));
    box_file_->setGeometry(twips_rect(30, 30, 3255, 315));
    box_file_->setMaxLength(50);
    box_file_->setFont(page_font());
    box_file_->setText(QStringLiteral("*.tab;*.bmp"));
    box_file_->installEventFilter(this);
    connect(box_file_, &QLineEdit::textChanged, this, [this] { box_file_Change(); });

    dir1_ = new QListWidget(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(twips_rect(240, 690, 2625, 2505));
    white_list(dir1_);
    connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item) set_folder(item->data(kFolderRole).toString());
    });

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(twips_rect(2970, 690, 2475, 2595));
    white_list(file1_);
    connect(file1_, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    connect(file1_, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(twips_rect(240, 3360, 2625, 315));
    white_list(drive1_);
    connect(drive1_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) set_folder(drive1_->itemData(index).toString());
    });

    ftypes_ = new QComboBox(this);
    ftypes_->setObjectName(QStringLiteral("ftypes"));
    ftypes_->setGeometry(twips_rect(2970, 3360, 2475, 315));
    connect(ftypes_, &QComboBox::activated, this, [this] { ftypes_Click(); });

    cancel_ = new QPushButton(QCoreApplication::translate("FileWindow", "&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("window_button_cancel"));
    cancel_->setGeometry(twips_rect(1860, 3840, 915, 315));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { window_button_cancel_Click(); });
    ok_ = new QPushButton(QCoreApplication::translate("FileWindow", "&OK"), this);
    ok_->setObjectName(QStringLiteral("window_button_ok"));
    ok_->setGeometry(twips_rect(2820, 3840, 1005, 315));
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] { window_button_ok_Click(); });

    setTabOrder(box_file_, dir1_);
    setTabOrder(dir1_, file1_);
    setTabOrder(file1_, drive1_);
    setTabOrder(drive1_, ftypes_);
    setTabOrder(ftypes_, cancel_);
    setTabOrder(cancel_, ok_);
}

QString FileWindow::start_folder(const QString& program_folder) {
    const QFileInfo program(program_folder);
    if (program.isDir() && program.isWritable()) return program.absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

bool FileWindow::name_acceptable(const QString& name) {
    return !name.isEmpty() &&
           name.left(8).compare(QLatin1String("Untitled"), Qt::CaseInsensitive) != 0;
}

std::optional<QString> FileWindow::choose(FilePurpose purpose, const QString& name) {
    prepare(purpose, name);
    chosen_.reset();
    exec();
    return chosen_;
}

void FileWindow::file_kept(const QString& path) { set_folder(QFileInfo(path).absolutePath()); }

void FileWindow::prepare(FilePurpose purpose, const QString& name) {
    box_file_->setText(name);
    const bool opening = purpose == FilePurpose::Open;
    if (opening && ftypes_->count() == 2)
        ftypes_->addItem(QCoreApplication::translate("FileWindow", kTextTabs));
    if (!opening && ftypes_->count() == 3) {
        if (ftypes_->currentIndex() == 2) {
            ftypes_->setCurrentIndex(0);
            ftypes_Click();
        }
        ftypes_->removeItem(2);
    }
    setWindowTitle(QCoreApplication::translate(
        "FileWindow", purpose == FilePurpose::Open ? kOpenCaption : kSaveCaption));
    box_file_->setSelection(0, box_file_->text().length());
    box_file_Change();
}

void FileWindow::fill_drives() {
    const QSignalBlocker block(drive1_);
    drive1_->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        drive1_->addItem(name == root ? root : root + QStringLiteral("  [") + name + ']', root);
    }
}

void FileWindow::set_folder(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) return;
    folder_ = QDir::cleanPath(info.absoluteFilePath());
    {
        const QSignalBlocker block(drive1_);
        const int drive = drive1_->findData(QStorageInfo(folder_).rootPath());
        if (drive >= 0) drive1_->setCurrentIndex(drive);
    }
    fill_folders();
    fill_files();
}

void FileWindow::fill_folders() {
    dir1_->clear();
    // The folders leading down to this one, then the folders inside it, indented by depth.
    QStringList chain;
    for (QDir dir(folder_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(2 * depth, QLatin1Char(' ')) + name, dir1_);
        item->setData(kFolderRole, folder);
        if (folder == folder_) dir1_->setCurrentItem(item);
        ++depth;
    }
    const QStringList inside =
        QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : inside) {
        auto* item = new QListWidgetItem(QString(2 * depth, QLatin1Char(' ')) + name, dir1_);
        item->setData(kFolderRole, QDir(folder_).filePath(name));
    }
}

void FileWindow::fill_files() {
    file1_->clear();
    const QStringList filters = name_filters(pattern_);
    QStringList names = QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf([&](const QString& name) { return !matches_any(filters, name); });
    file1_->addItems(names);
}

void FileWindow::set_pattern(const QString& pattern) {
    pattern_ = pattern;
    fill_files();
}

QStringList FileWindow::listed_files() const {
    QStringList names;
    for (int i = 0; i < file1_->count(); ++i) names << file1_->item(i)->text();
    return names;
}

void FileWindow::ftypes_Click() { set_pattern(ftypes_->currentText().left(kPatternLength)); }

void FileWindow::File1_Click() {
    // The name exactly as on disk: where letter case counts, a lower-cased name names no file.
    if (QListWidgetItem* item = file1_->currentItem()) box_file_->setText(item->text());
}

void FileWindow::File1_DblClick() {
    File1_Click();
    window_button_ok_Click();
}

void FileWindow::box_file_Change() { ok_->setEnabled(name_acceptable(box_file_->text())); }

QString FileWindow::path_for(const QString& name) const {
    if (QDir::isAbsolutePath(name)) return QDir::cleanPath(name);
    return folder_ + (folder_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + name;
}

bool FileWindow::ask_replace(QString* target) {
    const QString name = box_file_->text();
    bool exists = false;
    for (const QString& listed : listed_files()) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0) {
            exists = true;
            // Yes replaces the listed file, even where its name differs in letter case only.
            if (!QFileInfo::exists(*target)) *target = path_for(listed);
            break;
        }
    }
    // A file hidden by the type filter is replaced just the same, so it is asked about too.
    const QFileInfo on_disk(*target);
    if (!exists && on_disk.exists() && !on_disk.isDir()) exists = true;
    if (!exists) return true;
    const Answer answer = questions_.ask(
        QCoreApplication::translate("FileWindow", "Filename exists. Do you want to replace it?"),
        program_title(), false);
    if (answer == Answer::Yes) return true;
    box_file_->selectAll();
    box_file_->setFocus();
    return false;
}

void FileWindow::window_button_ok_Click() {
    // Enter in the name box and a double click reach here too; they must not save a page
    // under the default name either.
    if (!name_acceptable(box_file_->text())) return;
    QString path = path_for(box_file_->text());
    if (windowTitle() == QLatin1String(kSaveCaption) && !ask_replace(&path)) return;
    chosen_ = path;
    hide();
    done(QDialog::Accepted);
}

void FileWindow::window_button_cancel_Click() {
    QCoreApplication::processEvents();
    QDialog::reject();
}

void FileWindow::reject() { window_button_cancel_Click(); }

void FileWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    box_file_->setFocus();
}

void FileWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) box_file_->setFocus();
}

bool FileWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_file_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            window_button_ok_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace strumix
