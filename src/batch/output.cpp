#include "batch/output.h"

#include "batch/messages.h"

#include <cerrno>
#include <ostream>

namespace kandelo::batch {

void StreamOutput::write(std::string_view bytes)
{
    stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream_)
        throw BatchError(message::cannotWriteStandardOutput(errno));
}

void StreamOutput::commit()
{
    stream_.flush();
    if (!stream_)
        throw BatchError(message::cannotWriteStandardOutput(errno));
}

} // namespace kandelo::batch
