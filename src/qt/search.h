// The calculator search of the desktop program: Ctrl+F in the main window or
// in any calculator window opens a small box, "Cerca calcolatore". What the
// user types lists the matching menu entries with their paths, best first
// (shell/app/search.h); the arrows choose one, Enter or a click opens it
// through the open operation, in its catalogued mode. While a modal window is
// open the box is not available.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace etero::qt {

class FormView;
class QtHost;

class SearchBox : public QWidget {
    Q_OBJECT
  public:
    explicit SearchBox(QtHost& host);

    // Shows the box over `from`, the field ready for typing. Refused (false,
    // with a beep) while a modal window is open.
    bool popUp(QWidget* from);
    QLineEdit* field() const { return field_; }
    QListWidget* list() const { return list_; }
    // The catalogue number of each entry listed, in order.
    std::vector<int> listed() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void search(const QString& text);
    void openEntry(int number);

    QtHost& host_;
    QLineEdit* field_;
    QListWidget* list_;
};

// Ctrl+F in the window opens the program's search box.
void addSearchShortcut(FormView& view, QtHost& host);

} // namespace etero::qt
