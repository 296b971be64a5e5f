#pragma once
// Work files. Two layouts, told apart only by the file's extension: "Vimr2" (application
// study: 21 columns, 8 characteristic definitions) and "MLX2" (characteristic study:
// 12 columns, 4 definitions, a larger header).

#include <QByteArray>
#include <QString>

class Travail;
struct SessionTravail;

enum class Disposition { Vimr2, MLX2 };

inline constexpr char TYPE_VIMR2[] = "Vimr2";
inline constexpr char TYPE_MLX2[] = "MLX2";
inline constexpr int TAILLE_ENTETE_MLX2 = 1640;

// Type of a file name: the characters after the first "." of its last path component.
QString TypeFichier(const QString& chemin);

// The layout a save of the work writes: the application layout once an application is selected.
Disposition DispositionTravail(const Travail& t);
// Columns a file of layout d keeps, and the size of its work header.
int ColonnesFichier(Disposition d);
int TailleEnteteFichier(Disposition d);
// Byte of the work header that holds the number of tests, in both layouts.
inline constexpr int OCTET_NB_ESSAIS = 128;

// The bytes of the work in a layout.
QByteArray OctetsTravail(const Travail& t, Disposition d);
// The work header alone, as OctetsTravail begins.
QByteArray OctetsEnteteTravail(const Travail& t, Disposition d);
// Whether DecodeTravail takes these bytes, without decoding them.
bool OctetsTravailValides(const QByteArray& octets, Disposition d);
// Fills t from the bytes of a file of layout d; the work and its session are reset first, then the
// last test becomes current and the work is marked saved. A file whose counts or length do not fit
// the store is refused whole: t is then a new, empty work.
bool DecodeTravail(Travail& t, SessionTravail& s, const QByteArray& octets, Disposition d);

// Writes the work through a temporary file renamed over the target, so that a failed
// save leaves the previous file intact. On success the session's file name becomes the name and
// the work is marked saved; on failure "Erreur d'ecriture du fichier" is shown and the work
// stays marked unsaved.
bool EcritTravail(const Travail& t, SessionTravail& s, const QString& nom, Disposition d);
// Reads a work file by its type; on failure shows "Erreur de lecture du fichier" and leaves a
// new, empty work.
bool LitTravail(Travail& t, SessionTravail& s, const QString& nom);
