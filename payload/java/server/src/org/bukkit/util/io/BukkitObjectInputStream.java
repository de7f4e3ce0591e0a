package org.bukkit.util.io;

import java.io.IOException;
import java.io.InputStream;
import java.io.ObjectInputStream;

/** Reads what a BukkitObjectOutputStream wrote, the API's values made back from their maps. */
public class BukkitObjectInputStream extends ObjectInputStream {
    protected BukkitObjectInputStream() throws IOException, SecurityException {
        super();
        super.enableResolveObject(true);
    }

    public BukkitObjectInputStream(InputStream in) throws IOException {
        super(in);
        super.enableResolveObject(true);
    }

    @Override
    protected Object resolveObject(Object obj) throws IOException {
        if (obj instanceof Wrapper) {
            try {
                Object value = ((Wrapper<?>) obj).value();
                if (value == null) {
                    throw new IOException("Failed to deserialize object: unknown kind");
                }
                return value;
            } catch (IllegalArgumentException ex) {
                throw new IOException("Failed to deserialize object", ex);
            }
        }
        return super.resolveObject(obj);
    }
}
