#include "tessora/boxpairs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Tessora {

namespace {

bool Overlap(const BoundingBox& a, const BoundingBox& b) {
  return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

// A box inside out (the empty box of a missing object) or with a NaN side
// holds no point, and meets nothing.
bool MeetsNothing(const BoundingBox& b) { return !(b.minX <= b.maxX && b.minY <= b.maxY); }

// A box on more cells than this is checked against every box instead.
constexpr double kMostCellsPerBox = 16;
// Cell coordinates stay well inside 32 bits, so that a cell's key is exact.
constexpr double kFarthestCell = 1 << 30;

enum class Kind { kNone, kGridded, kWide };

// Where a box lies on a grid of square cells: the cells it covers, or wide
// when they are too many or too far out for the grid (an endless box), or
// none when it meets nothing.
struct Placement {
  Kind kind = Kind::kNone;
  std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Placement Place(const BoundingBox& b, float cell) {
  Placement p;
  if (MeetsNothing(b)) return p;
  const double x0 = std::floor(b.minX / cell), y0 = std::floor(b.minY / cell);
  const double x1 = std::floor(b.maxX / cell), y1 = std::floor(b.maxY / cell);
  const bool fits = std::fabs(x0) < kFarthestCell && std::fabs(y0) < kFarthestCell && std::fabs(x1) < kFarthestCell &&
                    std::fabs(y1) < kFarthestCell && (x1 - x0 + 1) * (y1 - y0 + 1) <= kMostCellsPerBox;
  p.kind = fits ? Kind::kGridded : Kind::kWide;
  if (fits) {
    p.x0 = static_cast<std::int64_t>(x0);
    p.y0 = static_cast<std::int64_t>(y0);
    p.x1 = static_cast<std::int64_t>(x1);
    p.y1 = static_cast<std::int64_t>(y1);
  }
  return p;
}

// The median of the boxes' larger sides, at least one unit: a box then
// covers a few cells, and a cell holds few boxes that do not overlap.
float TypicalSize(const std::vector<BoundingBox>& boxes) {
  std::vector<float> sizes;
  for (const BoundingBox& b : boxes) {
    const float size = std::max(b.maxX - b.minX, b.maxY - b.minY);
    if (std::isfinite(size)) sizes.push_back(size);
  }
  if (sizes.empty()) return 1.0f;
  std::nth_element(sizes.begin(), sizes.begin() + sizes.size() / 2, sizes.end());
  return std::max(sizes[sizes.size() / 2], 1.0f);
}

// Some of the boxes, by cell, so that a box meets only those of the few
// cells it covers (and the wide ones).
class Grid {
 public:
  Grid(const std::vector<BoundingBox>& boxes, const std::vector<Placement>& places)
      : boxes_(boxes), places_(places) {}

  void Add(int i) {
    const Placement& p = places_[i];
    if (p.kind == Kind::kNone) return;
    members_.push_back(i);
    if (p.kind == Kind::kWide) wide_.push_back(i);
    for (std::int64_t y = p.y0; p.kind == Kind::kGridded && y <= p.y1; ++y) {
      for (std::int64_t x = p.x0; x <= p.x1; ++x) entries_.push_back({Key(x, y), i});
    }
  }
  // After the last Add, before the first Meeting: the entries by bucket, in
  // the order of the boxes within each.
  void Seal() {
    bucketBits_ = 1;
    while ((std::size_t{1} << bucketBits_) < entries_.size()) ++bucketBits_;
    starts_.assign((std::size_t{1} << bucketBits_) + 1, 0);
    for (const Entry& e : entries_) ++starts_[Bucket(e.first) + 1];
    for (std::size_t b = 1; b < starts_.size(); ++b) starts_[b] += starts_[b - 1];
    std::vector<int> next(starts_.begin(), starts_.end() - 1);
    byBucket_.resize(entries_.size());
    for (const Entry& e : entries_) byBucket_[next[Bucket(e.first)]++] = e;
  }

  // Appends the boxes of this grid after box i that overlap it.
  void Meeting(int i, std::vector<int>& out) const {
    const Placement& p = places_[i];
    if (p.kind == Kind::kNone) return;
    if (p.kind == Kind::kWide) {
      ConsiderAfter(i, members_, out);
      return;
    }
    for (std::int64_t y = p.y0; y <= p.y1; ++y) {
      for (std::int64_t x = p.x0; x <= p.x1; ++x) MeetingInCell(i, x, y, out);
    }
    ConsiderAfter(i, wide_, out);
  }

 private:
  using Entry = std::pair<std::int64_t, int>;  // cell key, box index

  static std::int64_t Key(std::int64_t x, std::int64_t y) { return x * (std::int64_t{1} << 32) + y; }
  std::size_t Bucket(std::int64_t key) const {
    return (static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15u) >> (64 - bucketBits_);
  }

  // A bucket holds the cells whose keys hash alike. Two gridded boxes that
  // share several cells meet in one of them only: the first cell of the
  // rectangle they share.
  void MeetingInCell(int i, std::int64_t x, std::int64_t y, std::vector<int>& out) const {
    const std::int64_t key = Key(x, y);
    const std::size_t bucket = Bucket(key);
    const auto end = byBucket_.begin() + starts_[bucket + 1];
    for (auto it = std::partition_point(byBucket_.begin() + starts_[bucket], end,
                                        [i](const Entry& e) { return e.second <= i; });
         it != end; ++it) {
      const Placement& other = places_[it->second];
      if (it->first == key && std::max(places_[i].x0, other.x0) == x && std::max(places_[i].y0, other.y0) == y) {
        Consider(i, it->second, out);
      }
    }
  }

  void ConsiderAfter(int i, const std::vector<int>& ascending, std::vector<int>& out) const {
    for (auto it = std::upper_bound(ascending.begin(), ascending.end(), i); it != ascending.end(); ++it) {
      Consider(i, *it, out);
    }
  }

  void Consider(int i, int j, std::vector<int>& out) const {
    if (Overlap(boxes_[i], boxes_[j])) out.push_back(j);
  }

  const std::vector<BoundingBox>& boxes_;
  const std::vector<Placement>& places_;
  std::vector<int> members_;    // ascending
  std::vector<int> wide_;       // ascending
  std::vector<Entry> entries_;  // in the order of the boxes
  int bucketBits_ = 1;
  std::vector<int> starts_;  // where each bucket begins in byBucket_
  std::vector<Entry> byBucket_;
};

}  // namespace

// The boxes that move and those that do not lie on two grids: a box that
// does not move looks for its pairs among the moving ones only, so a heap
// of still boxes costs nothing.
std::vector<IndexPair> OverlappingBoxPairs(const std::vector<BoundingBox>& boxes,
                                           const std::vector<bool>& moving, std::size_t most) {
  const int count = static_cast<int>(boxes.size());
  const auto moves = [&moving](int i) { return moving.empty() || moving[i]; };
  const float cell = TypicalSize(boxes);
  std::vector<Placement> places;
  places.reserve(count);
  for (const BoundingBox& b : boxes) places.push_back(Place(b, cell));
  Grid movingGrid(boxes, places), stillGrid(boxes, places);
  for (int i = 0; i < count; ++i) (moves(i) ? movingGrid : stillGrid).Add(i);
  movingGrid.Seal();
  stillGrid.Seal();

  std::vector<IndexPair> pairs;
  std::vector<int> meeting;
  for (int i = 0; i < count && pairs.size() < most; ++i) {
    meeting.clear();
    movingGrid.Meeting(i, meeting);
    if (moves(i)) stillGrid.Meeting(i, meeting);
    std::sort(meeting.begin(), meeting.end());
    const std::size_t taken = std::min(meeting.size(), most - pairs.size());
    for (std::size_t k = 0; k < taken; ++k) pairs.push_back({i, meeting[k]});
  }
  return pairs;
}

}  // namespace Tessora
