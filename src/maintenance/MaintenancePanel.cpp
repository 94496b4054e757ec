#include "maintenance/MaintenancePanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace maintenance {

MaintenancePanel::MaintenancePanel(QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraMaintenance"));
    setAutoFillBackground(true);
    SSTab2 = new QTabWidget(this);
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    cmdGameList2 = new QPushButton(QStringLiteral("Return To &Game List"), this);
    cmdGameList2->setObjectName(QStringLiteral("cmdGameList2"));
    cmdGameList2->setAutoDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGameList2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab2, 1);
    layout->addLayout(buttons);
}

} // namespace maintenance
