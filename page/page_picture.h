#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <memory>

#include "page/page_drawing.h"
#include "page/page_limits.h"

namespace strumix {

// A picture is a shared, immutable image. "The same picture" means the same value (pointer
// identity), never merely equal pixels: the undo copy and the changed test rely on that.
using Picture = std::shared_ptr<const QImage>;

// The tab page `Picture1`: the drawn image (what the user sees, saves and copies) over the
// persistent picture (the committed state). The page knows nothing of units or pens: whatever
// draws on it draws in pixels through draw(), and the page says which pixels changed.
class PagePicture : public QObject {
    Q_OBJECT

public:
    explicit PagePicture(QObject* parent = nullptr);
    ~PagePicture() override;

    const QImage& image() const { return drawn_; }
    QSize size() const { return drawn_.size(); }
    // The persistent picture; null until something is committed or assigned.
    const Picture& picture() const { return persistent_; }
    // A new picture holding the drawn image as it is now (shares pixels until either changes).
    Picture take_image() const;
    // persistent := picture; the drawn image becomes that picture too, at its size.
    void assign(const Picture& picture);
    // The drawn image becomes the persistent picture.
    void commit();
    // Replaces the content with an empty picture: a white page of the current size.
    void clear();
    // Sets the page size in pixels, keeping what is drawn; new area is white. Fails, leaving the
    // page as it was, when the size is over the limit or cannot be allocated.
    bool resize(QSize pixels, QString* error);
    const PageLimits& limits() const { return limits_; }
    void set_limits(const PageLimits& limits) { limits_ = limits; }

    // Draws on the drawn image: `draw` is handed a drawing over pixels no picture shares, and
    // once it returns the page says which pixels it touched. Returns them too.
    template <class Draw>
    QRect draw(Draw&& draw) {
        own_pixels();
        QRect touched;
        {
            PageDrawing drawing(drawn_);
            draw(drawing);
            touched = drawing.touched();
        }
        if (!touched.isEmpty()) emit changed(touched);
        return touched;
    }

signals:
    // Pixels of the drawn image changed inside this rectangle.
    void changed(const QRect& pixels);
    void resized(const QSize& pixels);

private:
    void touched(const QRect& rect);
    // Gives the drawn image pixels no picture shares, before anything draws on it.
    void own_pixels();

    QImage drawn_;
    Picture persistent_;
    PageLimits limits_;
};

}  // namespace strumix
