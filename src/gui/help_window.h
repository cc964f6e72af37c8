#pragma once
// The program's own help window: the pages of the installation's html/
// folder in a text browser, at a topic's section, with back and forward,
// the links between pages, the contents page, and "Open in web browser"
// for the page shown. One window serves every topic; asking for another
// topic brings it forward on that page.
#include <QDialog>
#include <QString>

class QTextBrowser;
class QPushButton;

namespace vtl::gui {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `page` (a file's full path) at `section` ("#..." or "").
    void showPage(const QString& page, const QString& section);

    QTextBrowser* browser() const { return browser_; }
    QPushButton* backButton() const { return back_; }
    QPushButton* forwardButton() const { return forward_; }
    QPushButton* contentsButton() const { return contents_; }
    QPushButton* webBrowserButton() const { return web_; }

    // The one window of the program, made on first use.
    static HelpWindow& shared(QWidget* parent);

private:
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* contents_;
    QPushButton* web_;
};

}  // namespace vtl::gui
