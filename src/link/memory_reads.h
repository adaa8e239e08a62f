#pragma once

#include "link/ee_image.h"
#include "link/link.h"
#include "link/reporter.h"
#include "link/service_outcome.h"

namespace zelto {

// Reads the whole configuration memory, word by word (128 requests), into the image and
// dumps it; the progress bar follows the words read. Stops at the first word without a reply
// with "Прибор не отвечает": the words read until then are in the image, the rest keep their
// earlier bytes, and the dump shows it so.
ServiceOutcome ReadEEImage(Link& link, EEImage& image, Reporter& reporter);

// Reads the table area through the device's working-memory mirror, byte by byte (385
// requests), into image offsets 0x7F..0x1FF and shows the decoded table dump; offsets below
// keep what an earlier read left. Stops at the first byte without a reply, as ReadEEImage.
ServiceOutcome ReadTablesImage(Link& link, EEImage& image, Reporter& reporter);

}  // namespace zelto
