#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

namespace catalogue {

// The lists users share beside the emulator: catver.ini's genres and nplayers.ini's players.
struct CommunityLists {
    struct Genre {
        QString genre; // "Shooter / Flying Vertical"
        bool mature = false;
    };
    QHash<QString, Genre> genres; // by ROM name
    QHash<QString, int> players;  // the most players at once, by ROM name

    bool isEmpty() const { return genres.isEmpty() && players.isEmpty(); }
};

// catver.ini: "name=Genre / Sub" lines of its [Category] section; " * Mature *" after a genre
// marks a game for adults. Other sections ([VerAdded]) and ";" comments are passed over.
QHash<QString, CommunityLists::Genre> readCatver(QByteArrayView bytes);

// nplayers.ini: "name=2P sim", "4P alt / 2P sim" ... lines of its [NPlayers] section: the most
// players a game takes. Entries that name no players ("???", "BIOS", "Non-arcade") are left out.
QHash<QString, int> readNPlayers(QByteArrayView bytes);

// The first of the folders that holds the file; empty when none does.
QString findListFile(const QString& name, const QStringList& folders);

} // namespace catalogue
