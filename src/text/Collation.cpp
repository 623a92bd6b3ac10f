#include "text/Collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>

#include "text/CodePage936.h"
#include "text/Error.h"

namespace tarn {

namespace {

// The user's locale; the POSIX locale's code-point order is not what people expect of a word
// list, so an unset locale sorts like the root locale.
icu::Locale UserLocale() {
  const icu::Locale& locale = icu::Locale::getDefault();
  if (std::string_view(locale.getVariant()) == "POSIX") return icu::Locale::getRoot();
  return locale;
}

icu::Collator& UserCollator() {
  thread_local std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(UserLocale(), status));
    if (U_FAILURE(status)) throw Error("The locale's collation is not available");
    made->setStrength(icu::Collator::SECONDARY);
    return made;
  }();
  return *collator;
}

}  // namespace

int CompareTextIgnoreCase(std::u16string_view a, std::u16string_view b) {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult result =
      UserCollator().compare(a.data(), static_cast<int32_t>(a.size()), b.data(),
                             static_cast<int32_t>(b.size()), status);
  return static_cast<int>(result);
}

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  return CompareTextIgnoreCase(Cp936ToUtf16(a), Cp936ToUtf16(b));
}

std::string CollationKey(std::u16string_view text) {
  icu::Collator& collator = UserCollator();
  std::string key(text.size() * 4 + 16, '\0');
  for (;;) {
    const int32_t needed =
        collator.getSortKey(text.data(), static_cast<int32_t>(text.size()),
                            reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (needed <= static_cast<int32_t>(key.size())) {
      key.resize(needed > 0 ? needed - 1 : 0);  // drop the terminating zero byte
      return key;
    }
    key.resize(needed);
  }
}

}  // namespace tarn
