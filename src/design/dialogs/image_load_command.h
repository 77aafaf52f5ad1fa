#pragma once

class QWidget;

namespace design {

class TGImage;

// "Load Image From Disk": the "Load Image File " dialog opens with the
// object's Stretch and AutoSize; on Ok with a picture loaded the object
// takes the picture and the two settings. Returns whether it changed.
// Nothing loaded leaves the object's picture as it was.
bool LoadImageFromDisk(TGImage& image, QWidget* parent);

} // namespace design
