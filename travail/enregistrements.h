#pragma once
// Work files made of records of a fixed number of values (12 for a saved bet, 22 for a
// constraint): reading every record that can be read, and reporting the others.

#include "travail/format.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace travail {

// A damaged record: its number and the line where the fault was found.
struct Dommage
{
    qint64 enregistrement = 0;   // record number, from 1
    qint64 ligne = 0;            // line of the file, from 1
    QString raison;
};

// Reads the next record of `valeurs` values, number k + 1: `lire(lecture)` takes one
// record; `controle(record)` says what is wrong with a record whose values all had the
// right form (empty when nothing); a sound record goes to `garder(record, k)`, k its number
// from 1 (a qint64: a file may hold more records than an int counts). A damaged record is
// added to `dommages` and stepped over, so that the next one is read in place. False when
// the reading cannot go on (a record cut short). The bytes are never changed.
template<class Lire, class Controle, class Garder>
bool enregistrementsuivant(Lecture &lecture, qint64 &k, int valeurs, Lire &lire, Controle &controle, Garder &garder,
                           QList<Dommage> &dommages)
{
    ++k;
    const qint64 premiere = lecture.valeurs();
    qint64 ligne = lecture.lignesuivante();
    auto enregistrement = lire(lecture);
    QString raison;
    if (!lecture.valide()) {
        raison = lecture.erreur();
        ligne = lecture.ligne();
    } else {
        raison = controle(enregistrement);
    }
    if (raison.isEmpty()) {
        garder(std::move(enregistrement), k);
        return true;
    }
    dommages.append({k, ligne, raison});
    lecture.reprendre();
    while (lecture.valeurs() - premiere < valeurs && lecture.passer()) {
    }
    return lecture.valide();
}

// Every record of the file, one after another, as enregistrementsuivant() reads them; a
// record cut short ends the reading.
template<class Lire, class Controle, class Garder>
QList<Dommage> lireenregistrements(const QByteArray &contenu, int valeurs, Lire lire, Controle controle, Garder garder)
{
    QList<Dommage> dommages;
    Lecture lecture(contenu);
    qint64 k = 0;
    while (!lecture.fini() && enregistrementsuivant(lecture, k, valeurs, lire, controle, garder, dommages)) {
    }
    return dommages;
}

// The first five damages, one a line: "<nom> n° 3, ligne 25 : <raison>.", then `autres`
// (a text holding %1) for how many more there are.
QString listedommages(const QList<Dommage> &dommages, const QString &nom, const QString &autres);

} // namespace travail
