#pragma once

namespace ui {

// Lets an accessibility client read a DbGrid as it is drawn. Grids over one
// standing query share its model, but each titles the fields its own way;
// so the grid, not the model, answers for its column headers: each carries
// the grid's title for that column (also in a grid without a title row),
// and the grid's header widget lists the titles of the columns it shows.
// The cells are those of the model, numbered the way QTableView numbers them
// in its focus and selection events. Every DbGrid installs this itself.
void installGridAccessibility();

} // namespace ui
