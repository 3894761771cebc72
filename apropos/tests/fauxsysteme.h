#pragma once
// A registry and a file system held in memory, and a program starter that only takes
// notes, installed for the life of the object.

#include "apropos/systeme.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>

class FauxSysteme final : public apropos::Systeme
{
public:
    struct Valeur
    {
        quint32 type;
        QByteArray octets;
    };

    FauxSysteme() { m_avant = apropos::installer(this); }
    ~FauxSysteme() override { apropos::installer(m_avant); }

    // A value under HKEY_LOCAL_MACHINE; a string is stored with its terminating zero.
    void chaine(const QString &cle, const QString &nom, const QByteArray &texte)
    {
        cles[cle][nom] = {apropos::typechaine, texte + '\0'};
    }

    long ouvrircle(quint32 racine, const QString &nom, quint32 acces, apropos::Cle &cle) override
    {
        ouvertures << nom;
        acces_demandes << acces;
        if (racine != apropos::hkeylocalmachine || !cles.contains(nom))
            return apropos::introuvable;
        if (protegees.contains(nom))
            return apropos::accesrefuse;
        cle = apropos::Cle(100 + m_noms.size());
        m_noms[cle] = nom;
        ++ouvertes;
        return apropos::succes;
    }

    long lirevaleur(apropos::Cle cle, const QString &nom, quint32 &type, QByteArray &donnees) override
    {
        if (!m_noms.contains(cle))
            return 6;   // ERROR_INVALID_HANDLE
        const auto valeurs = cles.value(m_noms[cle]);
        if (!valeurs.contains(nom))
            return apropos::introuvable;
        const Valeur &v = valeurs[nom];
        if (v.octets.size() > donnees.size())
            return apropos::tropgrand;
        type = v.type;
        donnees = v.octets;
        return apropos::succes;
    }

    void fermercle(apropos::Cle cle) override
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
    apropos::Systeme *m_avant;
    QHash<apropos::Cle, QString> m_noms;
};
