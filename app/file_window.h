#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <optional>

#include "flows/flows_host.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace strumix {

class Questions;

// The file window `filewin`: a name box, folder, file and drive lists and a type filter. It only
// answers which file the user chose: "Open File" a file to read, "Save File As..." a name to
// write under, asking first before an existing file is replaced. Created once and only hidden
// and shown afterwards, so the folder and filter stay where the user left them.
class FileWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTileCount = 12;

    explicit FileWindow(Questions& questions, QWidget* parent = nullptr);

    // Shows the window modally for `purpose` with `name` in the name box: the chosen file's
    // full path, or nothing when the user cancels.
    std::optional<QString> choose(FilePurpose purpose, const QString& name);
    // Sets the name box to the document's name and the caption for the purpose, and selects the
    // whole name, ready to be shown.
    void prepare(FilePurpose purpose, const QString& name);
    // A file was opened or saved: the lists show its folder from now on.
    void file_kept(const QString& path);

    QLineEdit* box_file() const { return box_file_; }
    QListWidget* Dir1() const { return dir1_; }
    QListWidget* File1() const { return file1_; }
    QComboBox* Drive1() const { return drive1_; }
    QComboBox* ftypes() const { return ftypes_; }
    QPushButton* window_button_ok() const { return ok_; }
    QPushButton* window_button_cancel() const { return cancel_; }
    QLabel* pic_tile(int index) const { return tiles_[index]; }

    // The folder the file list shows, and the pattern it filters by ("*.bmp;*.tab").
    QString folder() const { return folder_; }
    void set_folder(const QString& path);
    QString pattern() const { return pattern_; }
    void set_pattern(const QString& pattern);
    // The names the file list shows, as written on disk.
    QStringList listed_files() const;

    void File1_Click();
    void File1_DblClick();
    void ftypes_Click();
    void window_button_ok_Click();
    void window_button_cancel_Click();

    // Where the folder list starts: the program's own folder when the user may save there,
    // otherwise the user's documents folder, or their home folder.
    static QString start_folder(const QString& program_folder);
    // Whether OK may run for this name: not empty and not the default "Untitled...".
    static bool name_acceptable(const QString& name);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_tiles();
    void create_controls();
    void fill_drives();
    void fill_folders();
    void fill_files();
    void box_file_Change();
    QString path_for(const QString& name) const;
    bool ask_replace(QString* target);

    Questions& questions_;
    std::optional<QString> chosen_;
    std::array<QLabel*, kTileCount> tiles_{};
    QFrame* box_ = nullptr;
    QFrame* panel_ = nullptr;
    QLineEdit* box_file_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QComboBox* ftypes_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QString folder_;
    QString pattern_;
};

}  // namespace strumix
