// Bitmap resources of the dialog templates.
#pragma once

#include <QPixmap>

namespace platform::qt {

// The bitmap of a picture control's resource number; a null pixmap when none is shipped.
// Resource 1012 is the side picture of the summary page (summary_side.png).
QPixmap Picture(int resourceId);

// The file name under which resource `resourceId` is shipped.
QString PictureFileName(int resourceId);

}  // namespace platform::qt
