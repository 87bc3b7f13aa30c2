#include "picture/ResourcePicture.h"

#include "picture/JpegDecoder.h"
#include "platform/Desktop.h"

namespace pw {

ui::Picture JpegResource(Desktop& desktop, int id) {
    return ui::Picture::Pixels(DecodeJpeg(desktop.ProgramResource(id)));
}

} // namespace pw
