#pragma once

#include <string>

#include "corpus/PartialCount.h"

namespace tarn {

// The partial count form, version 1: the counts of some texts of a corpus, as
// `tarn-cli count-partial` writes them and `merge-partials` merges them. Lines end in LF (a CR
// before it is ignored); fields are separated by TABs:
//
//   tarn-partial 1
//   text          RUNNING  NAME       a counted text, in counting order
//   skipped-path  PATH     REASON     a path given that stood for no document
//   skipped-file  PATH     REASON     a document that could not be counted
//   word          WORD  COUNT  ELIGIBLE  CAPITALISED  TEXT:COUNT  [TEXT:COUNT]...
//   end           LINES
//
// The kinds of line come in this order, any of them but the first and last possibly absent.
// RUNNING is the text's running words, stop words included. WORD is the word as the word table
// counts it: lower case, in the bytes of code page 936, never a control byte; the words come in
// the order the texts first met them. COUNT is its occurrences in all the texts, ELIGIBLE those
// that are evidence for or against a proper name (in lower case, or with a capital nothing else
// explains), CAPITALISED those of them with a capital; then one TEXT:COUNT for each text that has
// the word, TEXT being the text's number (from 1) among the text lines, in rising order, the
// counts adding up to COUNT, and each text's counts over all words adding up to its RUNNING.
// NAME, PATH and REASON are the bytes the counting run had, with \\, \t, \n and \r for a
// backslash, TAB, LF and CR. The last line gives the number of lines before it, so that a file
// cut short is told from a whole one. Numbers are decimal, from 0 to 2^63 - 1.

// Reads and checks the partial count file at `path` into `partial`, whose storage is reused.
// Throws Error naming the file when it cannot be read, is no partial count, is of another
// version, is cut short, or has a line that breaks the form (naming the line), a number beyond
// 64 bits among them; `partial` then holds no whole count.
void ReadPartialCount(const std::string& path, PartialCount& partial);

}  // namespace tarn
