#pragma once
// The command-line PDF tools the tests read the written files with (qpdf,
// poppler's pdfinfo, pdffonts, pdftotext), and the pages the tests draw.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "report/pages/page.h"

namespace vtl::test {

// Skips the test when a tool is missing (scripts/setup installs them all).
#define SKIP_WITHOUT_TOOL(tool)                                                    \
    if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty())            \
    GTEST_SKIP() << tool " is not installed (scripts/setup installs it)"

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline ToolRun runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    ToolRun run;
    if (!p.waitForFinished(60000)) {
        run.err = program.toStdString() + " did not finish";
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput().toStdString();
    run.err = p.readAllStandardError().toStdString();
    return run;
}

inline ToolRun runTool(const QString& program, const std::string& file, QStringList args = {}) {
    args << QString::fromStdString(file);
    return runTool(program, args);
}

// The value of a "Name:   value" line of pdfinfo.
inline std::string pdfInfo(const std::string& file, const std::string& name, QStringList args = {}) {
    const ToolRun run = runTool(QStringLiteral("pdfinfo"), file, args);
    std::size_t at = 0;
    while (at < run.out.size()) {
        std::size_t end = run.out.find('\n', at);
        if (end == std::string::npos) end = run.out.size();
        const std::string line = run.out.substr(at, end - at);
        if (line.rfind(name + ":", 0) == 0) {
            const std::size_t value = line.find_first_not_of(' ', name.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
        at = end + 1;
    }
    return "";
}

inline int pdfPages(const std::string& file) {
    const std::string pages = pdfInfo(file, "Pages");
    return pages.empty() ? -1 : std::stoi(pages);
}

// A PNG of the given size, left half one colour, right half another.
inline std::string twoColourPng(int width, int height, QRgb left, QRgb right) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, x < width / 2 ? left : right);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data().toStdString();
}

// The names of the files in a folder, sorted.
inline std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A document of `pages` pages, each saying which it is.
inline report::Document numberedPages(int pages) {
    report::Document doc;
    doc.title = "Numbered";
    for (int p = 1; p <= pages; ++p) {
        report::Page page;
        const std::string text = "Page number " + std::to_string(p);
        page.items.push_back(report::TextItem{{500, 500, 4000, 300}, text, report::Font{}});
        doc.pages.push_back(page);
    }
    return doc;
}

}  // namespace vtl::test
