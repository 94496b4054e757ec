#include "audit/TextPanel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace audit {

TextPanel::TextPanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraVerify"));
    setAutoFillBackground(true);

    txtVerify = new QPlainTextEdit(this);
    txtVerify->setObjectName(QStringLiteral("txtVerify"));
    txtVerify->setReadOnly(true);
    // The emulator lines its reports up in columns.
    txtVerify->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    cmdGameList = new QPushButton(QStringLiteral("Return To &Game List"), this);
    cmdGameList->setObjectName(QStringLiteral("cmdGameList"));
    cmdFind = new QPushButton(QStringLiteral("Find Bad Sets"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setEnabled(false);
    for (QPushButton* button : {cmdGameList, cmdFind})
        button->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdFind);
    buttons->addStretch(1);
    buttons->addWidget(cmdGameList);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtVerify, 1);
    layout->addLayout(buttons);
}

QString TextPanel::text() const {
    return txtVerify->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void TextPanel::setText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtVerify->setPlainText(shown);
}

} // namespace audit
