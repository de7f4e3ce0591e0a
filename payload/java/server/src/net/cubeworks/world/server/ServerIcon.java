package net.cubeworks.world.server;

import java.awt.image.BufferedImage;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;

import javax.imageio.ImageIO;

import org.bukkit.util.CachedServerIcon;

import net.cubeworks.world.util.Base64;

/** A server icon as the server list's answer carries it: a 64x64 PNG as a data URI. */
final class ServerIcon implements CachedServerIcon {
    final String dataUri;

    private ServerIcon(String dataUri) {
        this.dataUri = dataUri;
    }

    /** The image as an icon; it must be 64 pixels square, as the client shows. */
    static ServerIcon of(BufferedImage image) throws IOException {
        if (image == null) {
            throw new IllegalArgumentException("the image cannot be null");
        }
        if (image.getWidth() != 64 || image.getHeight() != 64) {
            throw new IllegalArgumentException("Must be 64 pixels wide and 64 pixels high, not " + image.getWidth()
                    + "x" + image.getHeight());
        }
        ByteArrayOutputStream png = new ByteArrayOutputStream();
        if (!ImageIO.write(image, "PNG", png)) {
            throw new IOException("the image could not be written as PNG");
        }
        return new ServerIcon("data:image/png;base64," + Base64.encode(png.toByteArray()));
    }

    /** The icon of an image file (a PNG or any image Java reads). */
    static ServerIcon of(File file) throws IOException {
        BufferedImage image = ImageIO.read(file);
        if (image == null) {
            throw new IOException(file + " is not an image");
        }
        return of(image);
    }
}
