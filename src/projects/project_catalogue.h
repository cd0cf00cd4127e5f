#pragma once
// The catalogue list: the platform's records turned into the rows the project list shows.

#include <string_view>
#include <vector>

#include "api/request_url.h"

namespace verdomo {

// One record of a project-list reply (the catalogue, a search, the favourites), as the list shows
// it.
struct ProjectRecord {
  GbkText id;
  GbkText name;
  GbkText price;
  GbkText kind;       // "发短信" or "收短信"
  GbkText favourite;  // "√" or empty
};

// A name holding "发送号码" belongs to a send-SMS project.
GbkText projectKind(std::string_view name);

// Catalogue records have at least five fields: ID, name, price, a value we do not use, and the
// favourite flag ("0" when the project is no favourite). Spaces are removed first.
std::vector<ProjectRecord> catalogueRows(std::string_view reply);

// Favourites records need three fields, and every one is a favourite.
std::vector<ProjectRecord> favouriteRows(std::string_view reply);

// The catalogue request; an empty search text asks for the whole catalogue.
GbkText catalogueUrl(const ServiceAddresses& addresses, const Credentials& credentials,
                     std::string_view searchText);

}  // namespace verdomo
