#pragma once

#include <QString>
#include <functional>

#include "notes/performance.h"

namespace strumix {

class Document;
class FlowsHost;

// File, "E&xport...", "&Print..." and "Print Pre&view...": the page as it is drawn now, into a
// file or onto paper. None of them changes the page.
class PageOutput {
public:
    // `music`: the tempo and instruments a MIDI or WAV export is made with.
    PageOutput(const Document& document, FlowsHost& host, std::function<MusicChoices()> music = {})
        : doc_(document), host_(host), music_(std::move(music)) {}

    void mnu_export_Click();
    void mnu_print_Click();
    void mnu_print_preview_Click();
    // The name Export proposes: the page's own, as PNG, in its folder.
    QString suggested_export_name() const;

private:
    void print(bool preview);

    const Document& doc_;
    FlowsHost& host_;
    std::function<MusicChoices()> music_;
};

}  // namespace strumix
