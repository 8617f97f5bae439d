#include "document/page_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "files/safe_write.h"
#include "notes_reader/note_reader.h"
#include "notes_writers/midi_writer.h"
#include "notes_writers/musicxml_writer.h"
#include "notes_writers/text_tab_writer.h"
#include "notes_writers/unread_report.h"
#include "page/sheet_layout.h"
#include "sound_access/sound_engine.h"
#include "sound_access/soundfont.h"

namespace strumix {

namespace {

// PDF pages are described at this resolution; the image in them keeps every pixel anyway.
constexpr int kPdfDpi = 300;

QPageSize paper_for_locale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

}  // namespace

QPageLayout::Orientation orientation_for(const QImage& page, const QPageLayout& layout) {
    QPageLayout portrait = layout;
    portrait.setOrientation(QPageLayout::Portrait);
    QPageLayout landscape = layout;
    landscape.setOrientation(QPageLayout::Landscape);
    // The page's width at screen size, in points (72 to the inch, 96 pixels to the inch).
    const double needed = page.width() * 72.0 / 96.0;
    const bool fits_upright = portrait.paintRect(QPageLayout::Point).width() >= needed;
    const bool fits_across = landscape.paintRect(QPageLayout::Point).width() >= needed;
    return !fits_upright && fits_across ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool paint_page_sheets(QPagedPaintDevice& device, const QImage& page,
                       const std::optional<LayoutModel>& layout) {
    const QSize sheet(device.width(), device.height());
    const SheetPlan plan =
        plan_sheets(page.size(), page_cuts(page.size(), layout), sheet, device.logicalDpiX());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Smooth scaling would blur the cells' edges; each pixel prints as a square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A PDF keeps the page's own pixels, not a JPEG's guess at them.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    for (qsizetype i = 0; i < plan.slices.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        const QRect& part = plan.slices[i];
        painter.drawImage(QRectF(0, 0, part.width() * plan.scale, part.height() * plan.scale), page,
                          part);
    }
    return painter.end();
}

bool is_notes_format(const QString& suffix) {
    return suffix == QLatin1String("txt") || suffix == QLatin1String("musicxml") ||
           suffix == QLatin1String("mid") || suffix == QLatin1String("midi") ||
           suffix == QLatin1String("wav") || suffix == QLatin1String("flac");
}

bool export_uses_layout(const QString& suffix) {
    return suffix == QLatin1String("pdf") || is_notes_format(suffix);
}

namespace {

// The page's sound, rendered with no sound device, as a WAV or FLAC file.
bool page_sound(const PageNotes& notes, const MusicChoices& music, bool flac, QByteArray* file,
                QString* error) {
    const std::optional<QString> soundfont = find_soundfont();
    if (!soundfont) {
        *error = no_soundfont_reason();
        return false;
    }
    SoundEngine* engine = sound_engine(error);
    if (!engine) return false;
    PlayRange range;
    range.beats_per_minute = music.beats_per_minute;
    constexpr int kRate = 44100;
    *file = engine->sound_file(
        schedule_performance(perform(notes, music.instruments), range, kRate), *soundfont,
        flac ? SoundEngine::FileKind::Flac : SoundEngine::FileKind::Wav, error);
    return !file->isEmpty();
}

// The page as PNG stores it smallest without losing a pixel: one bit a pixel when it is black
// and white only, a grey level when every pixel is grey, colour otherwise.
QImage png_picture(const QImage& page) {
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    bool grey = true;
    bool two_tone = true;
    for (int y = 0; y < rgb.height() && grey; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = row[x] & 0xffffff;
            if (pixel == 0 || pixel == 0xffffff) continue;
            two_tone = false;
            if (qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel)) {
                grey = false;
                break;
            }
        }
    }
    if (two_tone) return rgb.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (grey) return rgb.convertToFormat(QImage::Format_Grayscale8);
    return rgb;
}

}  // namespace

bool export_page(const QString& path, const QImage& page, const std::optional<LayoutModel>& layout,
                 QString* error, QString* notice, const MusicChoices& music) {
    if (notice) notice->clear();
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        if (!png_picture(page).save(&buffer, "PNG")) {
            *error =
                QCoreApplication::translate("PageExport", "The page could not be written as PNG.");
            return false;
        }
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Strumix"));
        pdf.setTitle(QFileInfo(path).completeBaseName());
        pdf.setResolution(kPdfDpi);
        pdf.setPageSize(paper_for_locale());
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setPageOrientation(orientation_for(page, pdf.pageLayout()));
        if (!paint_page_sheets(pdf, page, layout)) {
            *error =
                QCoreApplication::translate("PageExport", "The page could not be written as PDF.");
            return false;
        }
    } else if (is_notes_format(suffix)) {
        if (!layout) {
            *error = QCoreApplication::translate(
                "PageExport", "The notes cannot be read: the page's layout cannot be found.");
            return false;
        }
        const PageNotes notes = read_notes(page, *layout);
        const QString title =
            notes.title.isEmpty() ? QFileInfo(path).completeBaseName() : notes.title;
        if (suffix == QLatin1String("txt")) {
            bytes = text_tab(notes).toUtf8();
        } else if (suffix == QLatin1String("musicxml")) {
            bytes = musicxml(notes, title);
        } else if (suffix == QLatin1String("wav") || suffix == QLatin1String("flac")) {
            const bool flac = suffix == QLatin1String("flac");
            if (!page_sound(notes, music, flac, &bytes, error)) return false;
        } else {
            bytes = standard_midi_file(notes, title, music.beats_per_minute, music.instruments);
        }
        if (notice) *notice = unread_report(notes);
    } else {
        *error = QCoreApplication::translate(
            "PageExport",
            "Export writes PNG, PDF, text tab, MusicXML, MIDI, WAV or FLAC: end the name with "
            ".png, .pdf, .txt, .musicxml, .mid, .wav or .flac.");
        return false;
    }
    buffer.close();
    QString reason;
    if (!write_file_whole(path, bytes, &reason)) {
        *error =
            QCoreApplication::translate("PageExport", "Cannot write \"%1\": %2").arg(path, reason);
        return false;
    }
    return true;
}

}  // namespace strumix
