#pragma once

#include <QString>

namespace strumix {

class Document;
class FlowsHost;

// File, "E&xport...", "&Print..." and "Print Pre&view...": the page as it is drawn now, into a
// file or onto paper. None of them changes the page.
class PageOutput {
public:
    PageOutput(const Document& document, FlowsHost& host) : doc_(document), host_(host) {}

    void mnu_export_Click();
    void mnu_print_Click();
    void mnu_print_preview_Click();
    // The name Export proposes: the page's own, as PNG, in its folder.
    QString suggested_export_name() const;

private:
    void print(bool preview);

    const Document& doc_;
    FlowsHost& host_;
};

}  // namespace strumix
