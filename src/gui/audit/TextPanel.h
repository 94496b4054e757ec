#pragma once

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace gui {

// The text panel over the game list, shared by the audit, the reports, the history, the
// two text files of the Help menu and the mame.cfg editor. Its caption names what it shows.
class TextPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TextPanel(QWidget* parent = nullptr);

    // The text as the user edited it, lines ended by CR LF as Marqueon's files have them.
    QString text() const;
    void setText(const QString& text);
    void setEditable(bool editable);

    // Selects characters [start, end) of the text shown, where every line end is one character.
    void select(int start, int end);

    QPushButton* returnButton() const { return m_returnButton; }
    QPushButton* findButton() const { return m_findButton; }

signals:
    // The user changed the text (only possible while it is editable).
    void edited();

private:
    QPlainTextEdit* m_textBox;
    QPushButton* m_returnButton;
    QPushButton* m_findButton;
};

} // namespace gui
