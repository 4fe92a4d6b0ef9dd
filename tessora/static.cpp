#include "tessora/static.h"

namespace Tessora {

template <class T>
Static<T>::Static(T* shape) : shape_(shape) {}

template <class T>
Static<T>::~Static() {
  delete shape_;
}

template class Static<Circle>;
template class Static<Line>;
template class Static<Block>;
template class Static<Composite>;

}  // namespace Tessora
