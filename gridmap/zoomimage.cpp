#include "gridmap/zoomimage.h"

TZoomImage::TZoomImage(QWidget* parent) : TZoomImageView(parent) {}
