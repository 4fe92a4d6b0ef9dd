#include "render/allegrogl/olimageloader.h"

#include <guichan/allegro/allegroimageloader.hpp>
#include <guichan/exception.hpp>

#include <memory>
#include <new>

#include "platform/platform.h"
#include "render/allegrogl/olimage.h"
#include "render/setup.h"

namespace gcn {

Image* OlImageLoader::load(const std::string& filename, bool convertToDisplayFormat) {
  try {
    AllegroImageLoader allegroLoader;
    const std::string path = Platform::ToNativePath(ol::Setup::ToAbsolutePathname(filename));
    std::unique_ptr<Image> inner(allegroLoader.load(path, convertToDisplayFormat));
    return new OlImage(std::move(inner), filename);
  } catch (const Exception&) {
    return nullptr;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace gcn
