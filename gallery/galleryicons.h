#pragma once

namespace Vireo::Gallery {

// Paints the host's icons (file types, save, clear, add, delete, the forbidden badge...) into a
// temporary folder and registers them with the theme, as a host installs its icon set; the panels
// look them up by name. Without them the stand-in would make a generic picture per name.
void installGalleryIcons();

} // namespace Vireo::Gallery
