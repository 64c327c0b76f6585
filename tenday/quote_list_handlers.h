// The quote list part of kestrum_xun's start-up.
#pragma once

namespace kestrum {
class Form;
namespace tenday {

struct TenDayProgram;

// Loads the ranking (up to 100 pages) into allRecords and shows it in the left list. While
// the pages come in, the music label tells how far the load is and the window is repainted;
// the label is empty again when the list shows.
void loadAndShowQuoteList(TenDayProgram& program, Form& form);

}  // namespace tenday
}  // namespace kestrum
