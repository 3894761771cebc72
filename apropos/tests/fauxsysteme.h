#pragma once
// A registry and a file system held in memory, and a program starter that only takes
// notes, installed for the life of the object.

#include "apropos/systeme.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>

class FauxSysteme final : public systeme::Systeme
{
public:
    struct Valeur
    {
        quint32 type;
        QByteArray octets;
    };

    FauxSysteme() { m_avant = systeme::installer(this); }
    ~FauxSysteme() override { systeme::installer(m_avant); }

    // A value under HKEY_LOCAL_MACHINE; a string is stored with its terminating zero.
    void chaine(const QString &cle, const QString &nom, const QByteArray &texte)
    {
        cles[cle][nom] = {systeme::typechaine, texte + '\0'};
    }

    long ouvrircle(quint32 racine, const QString &nom, quint32 acces, systeme::Cle &cle) override
    {
        ouvertures << nom;
        acces_demandes << acces;
        if (racine != systeme::hkeylocalmachine || !cles.contains(nom))
            return systeme::introuvable;
        if (protegees.contains(nom))
            return systeme::accesrefuse;
        cle = systeme::Cle(100 + m_noms.size());
        m_noms[cle] = nom;
        ++ouvertes;
        return systeme::succes;
    }

    long lirevaleur(systeme::Cle cle, const QString &nom, quint32 &type, QByteArray &donnees) override
    {
        if (!m_noms.contains(cle))
            return 6;   // ERROR_INVALID_HANDLE
        const auto valeurs = cles.value(m_noms[cle]);
        if (!valeurs.contains(nom))
            return systeme::introuvable;
        const Valeur &v = valeurs[nom];
        if (v.octets.size() > donnees.size())
            return systeme::tropgrand;
        type = v.type;
        donnees = v.octets;
        return systeme::succes;
    }

    void fermercle(systeme::Cle cle) override
    {
        if (m_noms.remove(cle))
            --ouvertes;
        else
            ++fermeturesfausses;
    }

    bool existe(const QString &chemin) override
    {
        questionsexiste << chemin;
        return fichiers.contains(chemin);
    }

    bool demarrer(const QString &chemin) override
    {
        demarres << chemin;
        return demarrage;
    }

    QHash<QString, QMap<QString, Valeur>> cles;   // key path -> value name -> value
    QSet<QString> protegees;                      // keys that refuse full access
    QSet<QString> fichiers;
    bool demarrage = true;                        // what demarrer() answers

    QStringList ouvertures;
    QList<quint32> acces_demandes;
    QStringList questionsexiste;
    QStringList demarres;
    int ouvertes = 0;             // keys opened and not yet closed
    int fermeturesfausses = 0;    // closes of a key that was not open

private:
    systeme::Systeme *m_avant;
    QHash<systeme::Cle, QString> m_noms;
};
