#include "travail/depot.h"

#include "travail/fichierdetravail.h"

namespace travail {

QString Depot::fichier() const { return chemin(noms::fichier); }
QString Depot::tampon() const { return chemin(noms::tampon); }
QString Depot::quinte() const { return chemin(noms::quinte); }
QString Depot::contrainte() const { return chemin(noms::contrainte); }
QString Depot::quinteo() const { return chemin(noms::quinteo); }
QString Depot::mabase() const { return chemin(noms::mabase); }
QString Depot::duo() const { return chemin(noms::duo); }
QString Depot::cote() const { return chemin(noms::cote); }
QString Depot::contrecote() const { return chemin(noms::contrecote); }
QString Depot::prefer() const { return chemin(noms::prefer); }
QString Depot::arrivee() const { return chemin(noms::arrivee); }
QString Depot::imprimante() const { return chemin(noms::imprimante); }

Depot &depot()
{
    static Depot d;
    return d;
}

} // namespace travail
