#pragma once

#include "tessora/block.h"
#include "tessora/circle.h"
#include "tessora/composite.h"
#include "tessora/object.h"

namespace Tessora {

// A shape driven by a solver body. Owns both; the body (from
// World::CreateBody) is placed at the shape's pose and given the mass of the
// shape at the default density, and from then on the shape follows it.
template <class T>
class Dynamic : public Object {
 public:
  Dynamic(T* shape, dBodyID body);
  ~Dynamic() override;

  T* GetShape() const override { return shape_; }
  bool IsDynamic() const override { return true; }
  dBodyID GetBody() const override { return body_; }
  void SetMass(float density) override;

 private:
  T* shape_;
  dBodyID body_;
};

extern template class Dynamic<Circle>;
extern template class Dynamic<Line>;
extern template class Dynamic<Block>;
extern template class Dynamic<Composite>;

}  // namespace Tessora
