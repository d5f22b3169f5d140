#pragma once
// The page-cutting and text-cleaning routines shared by the video scrapers.
#include <cstddef>

#include "platform/text/WString.h"

namespace tarvo::video {

// Finds start at or after position, then end after the end of start. The
// field is what lies between; it must not be empty. On success field holds it
// and position moves to the first character of end; on failure field is
// empty and position is unchanged.
bool ExtractBetween(WStringView text, size_t& position, WStringView start, WStringView end,
                    WString& field);

// Removes every "<span class="highlight">" and every "</span>".
void StripHighlight(WString& text);

// Titles and introductions: "&mdash;" becomes the full-width hyphen; then
// entities are dropped one kind at a time (the first "&" with the first ";"
// after it, and every occurrence of that whole text) until no "&" is followed
// by a ";"; CR and LF are removed; leading and trailing white space goes.
void CleanText(WString& text);

// Removes every blank, tab, carriage return and line feed.
void RemoveBlanks(WString& text);

// Every occurrence of what removed in a single left-to-right pass.
void RemoveAll(WString& text, WStringView what);

bool StartsWith(WStringView text, WStringView prefix);

}  // namespace tarvo::video
