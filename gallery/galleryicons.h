#pragma once

class QImage;
class QString;

namespace Vireo::Gallery {

// Saves `image` as `name`.png in the gallery's temporary picture folder and registers the file with
// the theme under `name`, where the panels look their pictures up.
void registerThemePicture(const QString& name, const QImage& image);

// Paints the host's icons (file types, save, clear, add, delete, the forbidden badge...) into a
// temporary folder and registers them with the theme, as a host installs its icon set; the panels
// look them up by name. Without them the stand-in would make a generic picture per name.
void installGalleryIcons();

} // namespace Vireo::Gallery
