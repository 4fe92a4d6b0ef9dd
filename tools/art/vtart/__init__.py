"""Drawing code for Vantrail's images and image fonts (see ../README.md)."""
