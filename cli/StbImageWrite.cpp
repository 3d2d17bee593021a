// The PNG encoder (stb_image_write, header only) compiled once for the whole program.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
