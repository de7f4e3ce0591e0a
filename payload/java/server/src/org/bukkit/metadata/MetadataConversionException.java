package org.bukkit.metadata;

/** Thrown when a metadata value cannot be read as the type asked for. */
@SuppressWarnings("serial")
public class MetadataConversionException extends RuntimeException {
    MetadataConversionException(String message) {
        super(message);
    }
}
