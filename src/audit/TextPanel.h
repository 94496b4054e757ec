#pragma once

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace audit {

// fraVerify: the text panel over the game list, shared by the audit, the reports, the
// history and the mame.cfg editor. Its caption names what it shows.
class TextPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TextPanel(QWidget* parent = nullptr);

    static inline const QString GameAudit = QStringLiteral("Game Audit");
    static inline const QString EditConfig = QStringLiteral("Edit M.A.M.E. Config File");

    // The text as the system keeps it, lines ended by CR LF.
    QString text() const;
    void setText(const QString& text);

    QPlainTextEdit* txtVerify;
    QPushButton* cmdGameList;
    QPushButton* cmdFind;
};

} // namespace audit
