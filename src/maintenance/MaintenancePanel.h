#pragma once

#include <QGroupBox>

class QPushButton;
class QTabWidget;

namespace maintenance {

// fraMaintenance: the panel over the game list that deletes the emulator's per-game files,
// the reports, and recreates mame.cfg.
class MaintenancePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MaintenancePanel(QWidget* parent = nullptr);

    QTabWidget* SSTab2;
    QPushButton* cmdGameList2;
};

} // namespace maintenance
