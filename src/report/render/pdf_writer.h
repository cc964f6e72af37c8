#pragma once
// A PDF file written from the page model directly: text as runs of glyph
// numbers of the embedded fonts (subsets of the Liberation fonts, with the
// characters they stand for, so the text can be searched and copied),
// lines, boxes and pictures, each page compressed.
//
// Qt's own PDF engine places every glyph of a text with an operator of its
// own; a listing page of a few thousand characters then takes several times
// as long to write as a form. Here a text is shaped once (by Qt, as the
// preview shapes it), and each time it is drawn again only its position is
// written, so that a page costs little more than its characters.
#include <QIODevice>
#include <QImage>
#include <memory>
#include <string>

#include "report/pages/page.h"

namespace vtl::render {

class PdfWriter {
public:
    // Writes to `out`, which stays open; the title goes into the file's information.
    PdfWriter(QIODevice& out, const std::string& title);
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    void addPage(const report::Page& page);
    // The fonts, the page tree and the cross-reference table. Whether every
    // write went through is for the device to say.
    void finish();

private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace vtl::render
