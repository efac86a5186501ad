#include "ui/cell_order.h"

namespace vellox {

int compareCells(const SortCell& a, const SortCell& b, const TextOrder& order) {
  if (a.value && b.value) return *a.value < *b.value ? -1 : *a.value > *b.value ? 1 : 0;
  if (a.value || b.value) return a.value ? -1 : 1;
  return order.compare(a.text, b.text);
}

}  // namespace vellox
