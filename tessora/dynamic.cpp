#include "tessora/dynamic.h"

#include <cmath>

namespace Tessora {

namespace {

void OnBodyMoved(dBodyID body) { static_cast<Object*>(dBodyGetData(body))->UpdateFromBody(); }

}  // namespace

template <class T>
Dynamic<T>::Dynamic(T* shape, dBodyID body) : shape_(shape), body_(body) {
  dBodySetData(body, static_cast<Object*>(this));
  dBodySetMovedCallback(body, OnBodyMoved);
  const Vec2& orientation = shape->GetOrientation();
  dMatrix3 rotation;
  dRFromAxisAndAngle(rotation, 0.0f, 0.0f, 1.0f, std::atan2(orientation.y, orientation.x));
  // The shape already stands where the body goes: no notification needed.
  dBodySetPositionRotation(body, shape->GetPosition().x, shape->GetPosition().y, 0.0f, rotation);
  shape->SetMass(body, defaultSurfaceProperties.density);
}

// The body goes first: once it is gone nothing can notify this object, so
// the shape is never touched after its deletion.
template <class T>
Dynamic<T>::~Dynamic() {
  dBodyDestroy(body_);
  delete shape_;
}

template <class T>
void Dynamic<T>::SetMass(float density) {
  shape_->SetMass(body_, density);
}

template class Dynamic<Circle>;
template class Dynamic<Line>;
template class Dynamic<Block>;
template class Dynamic<Composite>;

}  // namespace Tessora
