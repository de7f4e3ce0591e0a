package net.cubeworks.world.game.event;

import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.UUID;

import org.bukkit.Location;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Item;
import org.bukkit.inventory.ItemStack;

/**
 * The item a player is about to drop, as the drop event carries it. This world has no items on
 * the ground, so the item never enters it: a dropped item that is not valid, where the player's hand is,
 * and anything else asked of it answers as for an entity that is gone (nothing, zero, false).
 * Its stack is what the player drops, and a plugin may change it.
 */
final class UnspawnedItem implements InvocationHandler {
    private ItemStack stack;
    private final Location at;
    private final UUID id = UUID.randomUUID();

    private UnspawnedItem(ItemStack stack, Location at) {
        this.stack = stack;
        this.at = at;
    }

    /** The item of the stack, at the location. */
    static Item of(ItemStack stack, Location at) {
        return (Item) Proxy.newProxyInstance(Item.class.getClassLoader(), new Class<?>[] {Item.class},
                new UnspawnedItem(stack, at));
    }

    public Object invoke(Object proxy, Method m, Object[] args) {
        String name = m.getName();
        int n = args == null ? 0 : args.length;
        if (name.equals("getItemStack") && n == 0) {
            return stack;
        }
        if (name.equals("setItemStack") && n == 1) {
            stack = (ItemStack) args[0];
            return null;
        }
        if (name.equals("getLocation") && n == 0) {
            return at.clone();
        }
        if (name.equals("getLocation") && n == 1 && args[0] instanceof Location) {
            Location out = (Location) args[0];
            out.setWorld(at.getWorld());
            out.setX(at.getX());
            out.setY(at.getY());
            out.setZ(at.getZ());
            return out;
        }
        if (name.equals("getWorld") && n == 0) {
            return at.getWorld();
        }
        if (name.equals("getUniqueId") && n == 0) {
            return id;
        }
        if (name.equals("getType") && n == 0) {
            return EntityType.DROPPED_ITEM;
        }
        if (name.equals("isDead") && n == 0) {
            return true;
        }
        if (name.equals("equals") && n == 1) {
            return proxy == args[0];
        }
        if (name.equals("hashCode") && n == 0) {
            return System.identityHashCode(proxy);
        }
        if (name.equals("toString") && n == 0) {
            return "UnspawnedItem{" + stack + "}";
        }
        return neutral(m.getReturnType());
    }

    /** What a gone entity answers: nothing, zero or false. */
    private static Object neutral(Class<?> type) {
        if (!type.isPrimitive() || type == void.class) {
            return null;
        }
        if (type == boolean.class) {
            return Boolean.FALSE;
        }
        if (type == char.class) {
            return Character.valueOf((char) 0);
        }
        if (type == byte.class) {
            return Byte.valueOf((byte) 0);
        }
        if (type == short.class) {
            return Short.valueOf((short) 0);
        }
        if (type == int.class) {
            return Integer.valueOf(0);
        }
        if (type == long.class) {
            return Long.valueOf(0L);
        }
        if (type == float.class) {
            return Float.valueOf(0f);
        }
        return Double.valueOf(0d);
    }
}
