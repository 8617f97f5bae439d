#pragma once

#include <QByteArray>
#include <QString>

namespace strumix {

// What the settings keep of the windows, and give back to them at the next start.
class WindowState {
public:
    virtual ~WindowState() = default;

    virtual int zoom() const = 0;
    virtual void set_zoom(int zoom) = 0;
    // The main window's size and place; empty while it is maximised, as it opens at first.
    virtual QByteArray window_geometry() const = 0;
    // Shows the main window: at `geometry` (kept on the screen) when it can be restored,
    // otherwise maximised.
    virtual void show_main_window(const QByteArray& geometry) = 0;
    // The folder the file window shows.
    virtual QString file_window_folder() const = 0;
    virtual void set_file_window_folder(const QString& folder) = 0;
};

}  // namespace strumix
