// The map view control of the main window.
#pragma once

#include "gridmap/zoomimageview.h"

// The zoomable image view as the main window places it; it adds nothing to
// TZoomImageView but its name.
class TZoomImage : public TZoomImageView {
    Q_OBJECT

public:
    explicit TZoomImage(QWidget* parent = nullptr);
};
