// The pictures, the icon and the promotional texts live in this library's resources.
namespace ZarvoData {
int resourcesLinked = 1;
}
