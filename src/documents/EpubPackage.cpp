#include "documents/EpubPackage.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "documents/ZipEntries.h"

namespace tarn {

namespace {

// Calls `element` with the local name and the attributes of each element that opens.
using ElementVisitor = std::function<void(std::string_view name, const XML_Char** attributes)>;

// Parses the entry `index`, reporting its elements to `visit`.
ConversionResult VisitElements(zip_t* archive, zip_uint64_t index, const DocumentLimits& limits,
                               size_t& xml_bytes, const ElementVisitor& visit) {
  const XmlParser parser(XML_ParserCreateNS(nullptr, '|'));
  XML_SetUserData(parser.get(), const_cast<ElementVisitor*>(&visit));
  XML_SetStartElementHandler(parser.get(),
                             [](void* data, const XML_Char* name, const XML_Char** attributes) {
                               std::string_view local(name);
                               local.remove_prefix(std::min(local.rfind('|') + 1, local.size()));
                               (*static_cast<const ElementVisitor*>(data))(local, attributes);
                             });
  return ParseZipEntry(archive, index, parser.get(), xml_bytes, limits.max_xml_bytes);
}

// The value of the attribute `name` (no namespace), or empty.
std::string_view Attribute(const XML_Char** attributes, std::string_view name) {
  for (size_t i = 0; attributes[i] != nullptr; i += 2) {
    if (name == attributes[i]) return attributes[i + 1];
  }
  return {};
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsChapterType(std::string_view media_type) {
  return media_type == "application/xhtml+xml" || media_type == "text/html" ||
         media_type == "text/x-oeb1-document";
}

// The full path of the package document that container.xml names: the first rootfile of the
// package's media type, else the first rootfile.
ConversionResult PackagePath(zip_t* archive, const DocumentLimits& limits, size_t& xml_bytes,
                             std::string& path) {
  const auto container = FindZipEntry(archive, "META-INF/container.xml");
  if (!container) return ConversionResult::kNotDocument;
  std::string first;
  const ConversionResult read =
      VisitElements(archive, *container, limits, xml_bytes,
                    [&](std::string_view name, const XML_Char** attributes) {
                      if (name != "rootfile") return;
                      const std::string_view full_path = Attribute(attributes, "full-path");
                      if (first.empty()) first = full_path;
                      if (path.empty() &&
                          Attribute(attributes, "media-type") == "application/oebps-package+xml") {
                        path = full_path;
                      }
                    });
  if (read != ConversionResult::kDone) return read;
  if (path.empty()) path = first;
  return path.empty() ? ConversionResult::kDamaged : ConversionResult::kDone;
}

// The entries that META-INF/encryption.xml says are encrypted.
ConversionResult EncryptedEntries(zip_t* archive, const DocumentLimits& limits, size_t& xml_bytes,
                                  std::set<std::string>& encrypted) {
  const auto entry = FindZipEntry(archive, "META-INF/encryption.xml");
  if (!entry) return ConversionResult::kDone;
  return VisitElements(archive, *entry, limits, xml_bytes,
                       [&](std::string_view name, const XML_Char** attributes) {
                         if (name == "CipherReference") {
                           encrypted.insert(ResolveHref("", Attribute(attributes, "URI")));
                         }
                       });
}

}  // namespace

std::string ResolveHref(std::string_view folder, std::string_view href) {
  href = href.substr(0, std::min(href.find_first_of("#?"), href.size()));
  std::string decoded;
  for (size_t i = 0; i < href.size(); ++i) {
    if (href[i] == '%' && i + 2 < href.size() && HexValue(href[i + 1]) >= 0 &&
        HexValue(href[i + 2]) >= 0) {
      decoded += static_cast<char>(HexValue(href[i + 1]) * 16 + HexValue(href[i + 2]));
      i += 2;
    } else {
      decoded += href[i];
    }
  }
  const std::string joined =
      decoded.starts_with('/') ? decoded.substr(1) : std::string(folder) + decoded;
  std::vector<std::string_view> parts;
  std::string_view rest(joined);
  while (!rest.empty()) {
    const size_t slash = std::min(rest.find('/'), rest.size());
    const std::string_view part = rest.substr(0, slash);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    rest.remove_prefix(std::min(slash + 1, rest.size()));
  }
  std::string path;
  for (const std::string_view part : parts) {
    if (!path.empty()) path += '/';
    path += part;
  }
  return path;
}

ConversionResult EpubChapters(zip_t* archive, const DocumentLimits& limits, size_t& xml_bytes,
                              std::vector<zip_uint64_t>& chapters) {
  std::string package;
  ConversionResult read = PackagePath(archive, limits, xml_bytes, package);
  if (read != ConversionResult::kDone) return read;
  const auto package_entry = FindZipEntry(archive, package);
  if (!package_entry) return ConversionResult::kDamaged;
  const std::string folder = package.substr(0, package.rfind('/') + 1);

  struct Item {
    std::string path;
    bool chapter;
  };
  std::map<std::string, Item, std::less<>> manifest;
  std::vector<std::string> spine;
  bool has_spine = false;
  read =
      VisitElements(archive, *package_entry, limits, xml_bytes,
                    [&](std::string_view name, const XML_Char** attributes) {
                      if (name == "item") {
                        manifest.emplace(Attribute(attributes, "id"),
                                         Item{ResolveHref(folder, Attribute(attributes, "href")),
                                              IsChapterType(Attribute(attributes, "media-type"))});
                      } else if (name == "spine") {
                        has_spine = true;
                      } else if (name == "itemref") {
                        spine.emplace_back(Attribute(attributes, "idref"));
                      }
                    });
  if (read != ConversionResult::kDone) return read;
  if (!has_spine) return ConversionResult::kDamaged;

  std::set<std::string> encrypted;
  read = EncryptedEntries(archive, limits, xml_bytes, encrypted);
  if (read != ConversionResult::kDone) return read;
  chapters.clear();
  for (const std::string& id : spine) {
    const auto item = manifest.find(id);
    if (item == manifest.end()) return ConversionResult::kDamaged;
    if (!item->second.chapter) continue;  // a picture or a drawing in the reading order
    if (encrypted.contains(item->second.path)) return ConversionResult::kEncrypted;
    const auto entry = FindZipEntry(archive, item->second.path);
    if (!entry) return ConversionResult::kDamaged;
    chapters.push_back(*entry);
  }
  return chapters.empty() ? ConversionResult::kDamaged : ConversionResult::kDone;
}

}  // namespace tarn
