#include "report/render/pdf.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "report/render/pdf_writer.h"

namespace vtl::render {
namespace {

bool endsWithPdf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pdf";
}

// A file that keeps its first failed write. QFile forgets a failure at the
// next write, and the PDF writer does not look: a full disk would otherwise
// leave a cut file that looks written.
class CheckedFile : public QFile {
public:
    // "" while every write went through.
    std::string failure() const { return failure_.empty() ? shortWrite_ : failure_; }
    void fail(const std::string& problem) {
        if (failure_.empty()) failure_ = problem;
    }

protected:
    qint64 writeData(const char* data, qint64 len) override {
        errno = 0;
        const qint64 written = QFile::writeData(data, len);
        const int why = errno;
        if (written == len) return written;
        // A write cut short sets no error of the file's own, only errno;
        // the next write, refused outright, says the same as the file's
        // error, whose text is at times only "Unknown error": the system's
        // word for it ("File too large", "No space left on device") is
        // clearer.
        if (why != 0)
            fail(std::strerror(why));
        else if (error() != QFileDevice::NoError)
            fail(errorString().toStdString());
        else if (shortWrite_.empty())
            shortWrite_ = "the disk took less than was written";
        return written;
    }

private:
    std::string failure_;
    std::string shortWrite_;
};

// A file of the job: written to `temp`, put at `path` once every file is complete.
struct Part {
    std::string path;
    QString temp;
    bool placed = false;
};

// Removes every trace of a job that did not complete.
void removeParts(const std::vector<Part>& parts) {
    for (const Part& part : parts) {
        if (part.placed)
            QFile::remove(QString::fromStdString(part.path));
        else
            QFile::remove(part.temp);
    }
}

// Why nothing can be written at `path`'s folder, or "".
std::string folderProblem(const std::string& path) {
    const QFileInfo folder(QFileInfo(QString::fromStdString(path)).absolutePath());
    if (!folder.exists()) return "the folder " + folder.filePath().toStdString() + " does not exist";
    if (!folder.isDir()) return folder.filePath().toStdString() + " is not a folder";
    return "";
}

// Opens a new file beside `path` (its name, a random number, ".part").
bool openTemporary(CheckedFile& file, const std::string& path, std::string& problem) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QString::fromStdString(path) + QLatin1Char('.') +
                             QString::number(QRandomGenerator::global()->bounded(1u << 24), 16) +
                             QStringLiteral(".part");
        file.setFileName(name);
        // NewOnly creates the file as open(2) does, with the permissions the umask leaves.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
        if (!QFile::exists(name)) {
            problem = file.errorString().toStdString();
            return false;
        }
    }
    problem = "no free name for a temporary file";
    return false;
}

enum class Outcome { Written, Cancelled, Failed };

struct Progress {
    int done = 0;
    int total = 0;
    const std::function<bool(int, int)>& callback;
    // False when the person cancelled.
    bool pageDone() { return !callback || callback(++done, total); }
};

// Draws pages [first, last) of the document into the open file, and closes
// it once they are all on the disk.
Outcome writeFile(CheckedFile& file, const report::Document& doc, int first, int last, Progress& progress,
                  std::string& problem) {
    {
        PdfWriter writer(file, doc.title);
        for (int i = first; i < last; ++i) {
            writer.addPage(doc.pages[i]);
            if (!file.failure().empty()) break;
            if (!progress.pageDone()) return Outcome::Cancelled;
        }
        if (file.failure().empty()) writer.finish();
    }
    errno = 0;
    if (!file.flush()) file.fail(errno != 0 ? std::strerror(errno) : file.errorString().toStdString());
    // On the disk before it takes the final name, so a crash leaves no empty file there.
    if (file.failure().empty() && ::fsync(file.handle()) != 0) file.fail(std::strerror(errno));
    file.close();
    if (!file.failure().empty()) {
        problem = file.failure();
        return Outcome::Failed;
    }
    return Outcome::Written;
}

}  // namespace

std::vector<std::string> pdfFileNames(const std::string& path, int pages, int pagesPerFile) {
    if (pagesPerFile <= 0) return {path};
    const int count = std::max(1, (pages + pagesPerFile - 1) / pagesPerFile);
    const int digits = static_cast<int>(std::to_string(count).size());
    const bool pdf = endsWithPdf(path);
    const std::string stem = pdf ? path.substr(0, path.size() - 4) : path;
    const std::string ext = pdf ? path.substr(path.size() - 4) : "";
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%0*d", digits, i);
        names.push_back(stem + number + ext);
    }
    return names;
}

bool writePdf(report::PdfJob& job) {
    job.files.clear();
    job.cancelled = false;
    job.error.clear();
    if (job.path.empty()) {
        job.error = "No file name was given for the PDF file.";
        return false;
    }
    if (!job.document || job.document->empty()) {
        job.error = job.path + ": the report has no pages to write";
        return false;
    }
    const report::Document& doc = *job.document;
    const int total = static_cast<int>(doc.pages.size());
    const int perFile = job.pagesPerFile > 0 ? job.pagesPerFile : total;
    const std::vector<std::string> names = pdfFileNames(job.path, total, job.pagesPerFile);

    std::vector<Part> parts;
    auto fail = [&](const std::string& path, const std::string& problem) {
        removeParts(parts);
        job.error = path + ": " + problem;
        return false;
    };
    for (const std::string& name : names)
        if (const std::string problem = folderProblem(name); !problem.empty()) return fail(name, problem);

    Progress progress{0, total, job.progress};
    for (std::size_t f = 0; f < names.size(); ++f) {
        CheckedFile file;
        std::string problem;
        if (!openTemporary(file, names[f], problem)) return fail(names[f], "cannot be written (" + problem + ")");
        parts.push_back(Part{names[f], file.fileName()});
        const int first = static_cast<int>(f) * perFile;
        const int last = std::min(total, first + perFile);
        const Outcome outcome = writeFile(file, doc, first, last, progress, problem);
        if (outcome == Outcome::Cancelled) {
            removeParts(parts);
            job.cancelled = true;
            return false;
        }
        if (outcome == Outcome::Failed) return fail(names[f], "writing failed (" + problem + ")");
    }
    for (Part& part : parts) {
        if (std::rename(QFile::encodeName(part.temp).constData(), part.path.c_str()) != 0)
            return fail(part.path, std::string("cannot be put in place (") + std::strerror(errno) + ")");
        part.placed = true;
    }
    for (const Part& part : parts) job.files.push_back(part.path);
    return true;
}

}  // namespace vtl::render
