#include "gui/audit/TextPanel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

TextPanel::TextPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("textPanel"));
    setAutoFillBackground(true);

    m_textBox = new QPlainTextEdit(this);
    m_textBox->setObjectName(QStringLiteral("textBox"));
    m_textBox->setReadOnly(true);
    // The emulator lines its reports up in columns.
    m_textBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(m_textBox, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_textBox->isReadOnly())
            emit edited();
    });

    m_returnButton = new QPushButton(QStringLiteral("Return To &Game List"), this);
    m_returnButton->setObjectName(QStringLiteral("returnButton"));
    m_findButton = new QPushButton(QStringLiteral("Find Bad Sets"), this);
    m_findButton->setObjectName(QStringLiteral("findButton"));
    m_findButton->setEnabled(false);
    for (QPushButton* button : {m_returnButton, m_findButton})
        button->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_findButton);
    buttons->addStretch(1);
    buttons->addWidget(m_returnButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_textBox, 1);
    layout->addLayout(buttons);
}

QString TextPanel::text() const {
    return m_textBox->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void TextPanel::setText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool readOnly = m_textBox->isReadOnly();
    // Putting a text in is no edit.
    m_textBox->setReadOnly(true);
    m_textBox->setPlainText(shown);
    m_textBox->setReadOnly(readOnly);
}

void TextPanel::setEditable(bool editable) {
    m_textBox->setReadOnly(!editable);
}

void TextPanel::select(int start, int end) {
    QTextCursor cursor = m_textBox->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_textBox->setTextCursor(cursor);
}

} // namespace gui
