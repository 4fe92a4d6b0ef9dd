#pragma once

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/object.h"

namespace Tessora {

// A shape that never moves by itself. Owns the shape.
template <class T>
class Static : public Object {
 public:
  explicit Static(T* shape);
  ~Static() override;

  T* GetShape() const override { return shape_; }
  bool IsDynamic() const override { return false; }
  dBodyID GetBody() const override { return nullptr; }
  void SetMass(float) override {}

 private:
  T* shape_;
};

extern template class Static<Circle>;
extern template class Static<Line>;
extern template class Static<Block>;
extern template class Static<Composite>;

}  // namespace Tessora
