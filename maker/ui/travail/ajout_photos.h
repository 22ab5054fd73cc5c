// "Add photos..." and "Add folder...": the chosen pictures, and every
// picture of a chosen folder (its own files, not its subfolders'), become
// new screens from the template after the selection, in name or date
// order, as one change ("Add photos"); into a project just started, they
// take the place of its blank screen. Listing the folders and reading each
// photo's date run on a worker behind the progress window; the thumbnails
// and the working screen then load on their own workers, as for files
// dropped on the list.
#pragma once

#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace lumaveil {

class CControleurProjet;
class IProgression;

enum class OrdrePhotos { Nom = 0, Date = 1 };

// The order last chosen (name when none was), kept in the settings store
// as "AddPhotosOrder".
OrdrePhotos LitOrdrePhotos();
void EcritOrdrePhotos(OrdrePhotos ordre);

// The pictures of `chemins` in `ordre`: each file given, and the files of
// each folder given whose extension is a picture's (any case). By name:
// the file names in natural order ("photo 2" before "photo 10"), case
// ignored, then the whole path; by date: the date taken (Exif or XMP),
// else the file's modification time, then by name. Empty when
// `progression` was asked to stop.
std::vector<std::string> PhotosEnOrdre(const QStringList& chemins, OrdrePhotos ordre,
                                       IProgression& progression);

// Orders `chemins` on a worker behind the progress window of `parent`,
// then adds them as one change; `rendCourant` makes the last one current
// inside that change (Redo shows it again). Returns how many screens were
// added (0: nothing to add, or stopped).
int AjoutePhotos(CControleurProjet& controleur, const QStringList& chemins, OrdrePhotos ordre,
                 QWidget* parent, const std::function<void(int)>& rendCourant);

}  // namespace lumaveil
