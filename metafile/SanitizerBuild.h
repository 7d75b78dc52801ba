#pragma once

// MORVANE_ADDRESS_SANITIZER is 1 in builds with AddressSanitizer (GCC or clang): its shadow
// memory cannot live under an address-space limit, so such builds leave that limit off.
#if defined(__SANITIZE_ADDRESS__)
#define MORVANE_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORVANE_ADDRESS_SANITIZER 1
#endif
#endif
