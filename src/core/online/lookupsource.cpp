#include "lookupsource.h"

#include "openlibrarysource.h"

std::unique_ptr<ILookupSource> CreateLookupSource(const COnlineSettings &settings, const CCancelToken *cancel)
{
    // The other sources are still to come; until then Open Library serves.
    return std::make_unique<COpenLibrarySource>(settings, cancel);
}
