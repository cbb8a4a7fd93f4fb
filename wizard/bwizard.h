// The wizard frame: a dialog with a list of pages shown one at a time and a
// row of Back, Next, Finish and Cancel buttons below them. The frame decides
// which buttons the row shows; page titles are kept but never displayed, and
// there is no Help button in the row.
//
// Keyboard: Next is the default button while it is enabled, Finish while it is
// the page's way on; Back and Cancel never are. Return presses a focused push
// button, anywhere else the default button when it is enabled; Escape cancels.
// Showing a page puts the keyboard focus on the first widget of its tab order.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

QT_BEGIN_NAMESPACE
class QHBoxLayout;
class QKeyEvent;
class QPushButton;
class QStackedWidget;
QT_END_NAMESPACE

class BWizard : public QDialog {
    Q_OBJECT
public:
    BWizard(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
            Qt::WindowFlags flags = {});
    ~BWizard() override;

    // Appends a page. A page that is already in the list is not added again.
    void addPage(QWidget* page, const QString& title);
    // Inserts a page before position `index`; an index past the end (or a
    // negative one) appends it.
    void insertPage(QWidget* page, const QString& title, int index);
    // Takes a page out of the list without deleting it: it is hidden and no
    // longer has a parent, so whoever created it deletes it. Its Back, Next and
    // Finish states are forgotten; inserting it again starts from the defaults.
    void removePage(QWidget* page);

    QWidget* page(int index) const;
    int indexOf(QWidget* page) const;
    int pageCount() const;
    // The page on display; none before the wizard was first shown.
    QWidget* currentPage() const;

    QString title(QWidget* page) const;
    void setTitle(QWidget* page, const QString& title);

    // The states a page asks for. New pages have Back and Next on and Finish
    // off. The Back button is enabled when the page's Back state is on and the
    // page is not the first one, Next when its Next state is on and it is not
    // the last one, Finish when its Finish state is on. A page that is not in
    // the list is ignored.
    void setBackEnabled(QWidget* page, bool enable);
    void setNextEnabled(QWidget* page, bool enable);
    void setFinishEnabled(QWidget* page, bool enable);

    QPushButton* backButton() const { return backBtn; }
    QPushButton* nextButton() const { return nextBtn; }
    QPushButton* finishButton() const { return finishBtn; }
    QPushButton* cancelButton() const { return cancelBtn; }
    QPushButton* helpButton() const { return helpBtn; }

    // Shows a page of the list (a page not in the list leaves the current one
    // on display) and brings the buttons up to date. The window grows to the
    // height its pages' wrapped texts need at its width.
    virtual void showPage(QWidget* page);

    void setVisible(bool visible) override;

protected slots:
    // Shows the page after the current one, if there is one.
    virtual void next();
    // Shows the page before the current one, if there is one.
    virtual void back();

protected:
    // Fills the button row: free space, Back, then Next and/or Finish, then
    // Cancel. Runs whenever the wizard is shown, a page is shown, or a state of
    // the current page changes; the row is emptied before.
    virtual void layOutButtonRow(QHBoxLayout* row);
    // There is no title row: page titles are never displayed.
    virtual void layOutTitleRow(QHBoxLayout* row, const QString& title);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Page {
        QWidget* widget;
        QString title;
        bool backEnabled;
        bool nextEnabled;
        bool finishEnabled;
    };

    Page* findPage(QWidget* page);
    const Page* findPage(QWidget* page) const;
    void pageDestroyed(QObject* object);
    // Sets the enabled states of Back, Next and Finish from the current page
    // and rebuilds the button row.
    void updateButtons();
    void rebuildButtonRow();
    // Puts the keyboard focus on the first widget of the page's tab order, or
    // on the default button when the page takes no focus.
    void focusPage(QWidget* page);

    QList<Page> pages;
    QWidget* current = nullptr;
    QStackedWidget* stack;
    QHBoxLayout* buttonRow;
    QPushButton* backBtn;
    QPushButton* nextBtn;
    QPushButton* finishBtn;
    QPushButton* cancelBtn;
    QPushButton* helpBtn;
};
