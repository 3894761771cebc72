#pragma once
// What the windows of the base-of-three method do to its work files, and the bets they
// save. Every rewrite goes through the scratch file; the callers keep the undo copy.

#include "basedetrois/base.h"

namespace basedetrois {

// Saves a new base: first drops from `duo` every couple that holds one of its horses
// (`retires` gets how many), then replaces `mabase`. Records of `duo` that cannot be read
// stay as they are. When the base cannot be written, `duo` is put back as it was; when
// even that fails, `entame` is set: `duo` is left changed.
travail::Resultat sauverbase(const Base &base, const QString &mabase, const QString &duo, const QString &tampon,
                             int *retires = nullptr, bool *entame = nullptr);

// Replaces `duo` by `couples`, in that order.
travail::Resultat ecrirecouples(const QList<Couple> &couples, const QString &duo, const QString &tampon);

// Drops record `position` (from 1) of `duo`, if it is still the couple `attendu` read with
// `base`; otherwise nothing is dropped and `change` is set, so that the caller shows the
// file again.
travail::Resultat retirercouple(const Base &base, qint64 position, const Couple &attendu, const QString &duo,
                                const QString &tampon, bool *change = nullptr);

// Appends the quinté bets of `couples` with `base` to the saved bets file: one bet in
// place, many through the scratch file, so that a crash leaves all of them or none.
// Nothing is appended onto a damaged end (the answer has `finabimee`).
travail::Resultat enregistrer(const Base &base, const QList<Couple> &couples, const QString &fichier,
                              const QString &tampon);

} // namespace basedetrois
