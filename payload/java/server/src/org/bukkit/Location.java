package org.bukkit;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.block.Block;
import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.util.NumberConversions;
import org.bukkit.util.Vector;

/** A place in a world: coordinates and the look (yaw and pitch in degrees). Mutable. */
public class Location implements Cloneable, ConfigurationSerializable {
    private World world;
    private double x;
    private double y;
    private double z;
    private float pitch;
    private float yaw;

    public Location(final World world, final double x, final double y, final double z) {
        this(world, x, y, z, 0, 0);
    }

    public Location(final World world, final double x, final double y, final double z, final float yaw,
            final float pitch) {
        this.world = world;
        this.x = x;
        this.y = y;
        this.z = z;
        this.pitch = pitch;
        this.yaw = yaw;
    }

    public void setWorld(World world) {
        this.world = world;
    }

    public World getWorld() {
        return world;
    }

    public Chunk getChunk() {
        return world.getChunkAt(this);
    }

    public Block getBlock() {
        return world.getBlockAt(this);
    }

    public void setX(double x) {
        this.x = x;
    }

    public double getX() {
        return x;
    }

    public int getBlockX() {
        return locToBlock(x);
    }

    public void setY(double y) {
        this.y = y;
    }

    public double getY() {
        return y;
    }

    public int getBlockY() {
        return locToBlock(y);
    }

    public void setZ(double z) {
        this.z = z;
    }

    public double getZ() {
        return z;
    }

    public int getBlockZ() {
        return locToBlock(z);
    }

    public void setYaw(float yaw) {
        this.yaw = yaw;
    }

    public float getYaw() {
        return yaw;
    }

    public void setPitch(float pitch) {
        this.pitch = pitch;
    }

    public float getPitch() {
        return pitch;
    }

    /** The unit vector the look points along. */
    public Vector getDirection() {
        Vector vector = new Vector();
        double rotX = Math.toRadians(getYaw());
        double rotY = Math.toRadians(getPitch());
        vector.setY(-Math.sin(rotY));
        double xz = Math.cos(rotY);
        vector.setX(-xz * Math.sin(rotX));
        vector.setZ(xz * Math.cos(rotX));
        return vector;
    }

    /** Turns the look along the vector. */
    public Location setDirection(Vector vector) {
        final double twoPi = 2 * Math.PI;
        final double vx = vector.getX();
        final double vz = vector.getZ();
        if (vx == 0 && vz == 0) {
            pitch = vector.getY() > 0 ? -90 : 90;
            return this;
        }
        double theta = Math.atan2(-vx, vz);
        yaw = (float) Math.toDegrees((theta + twoPi) % twoPi);
        double xz = Math.sqrt(vx * vx + vz * vz);
        pitch = (float) Math.toDegrees(Math.atan(-vector.getY() / xz));
        return this;
    }

    public Location add(Location vec) {
        if (vec == null || vec.getWorld() != getWorld()) {
            throw new IllegalArgumentException("Cannot add Locations of differing worlds");
        }
        x += vec.x;
        y += vec.y;
        z += vec.z;
        return this;
    }

    public Location add(Vector vec) {
        x += vec.getX();
        y += vec.getY();
        z += vec.getZ();
        return this;
    }

    public Location add(double x, double y, double z) {
        this.x += x;
        this.y += y;
        this.z += z;
        return this;
    }

    public Location subtract(Location vec) {
        if (vec == null || vec.getWorld() != getWorld()) {
            throw new IllegalArgumentException("Cannot add Locations of differing worlds");
        }
        x -= vec.x;
        y -= vec.y;
        z -= vec.z;
        return this;
    }

    public Location subtract(Vector vec) {
        x -= vec.getX();
        y -= vec.getY();
        z -= vec.getZ();
        return this;
    }

    public Location subtract(double x, double y, double z) {
        this.x -= x;
        this.y -= y;
        this.z -= z;
        return this;
    }

    public double length() {
        return Math.sqrt(lengthSquared());
    }

    public double lengthSquared() {
        return x * x + y * y + z * z;
    }

    public double distance(Location o) {
        return Math.sqrt(distanceSquared(o));
    }

    public double distanceSquared(Location o) {
        if (o == null) {
            throw new IllegalArgumentException("Cannot measure distance to a null location");
        } else if (o.getWorld() == null || getWorld() == null) {
            throw new IllegalArgumentException("Cannot measure distance to a null world");
        } else if (o.getWorld() != getWorld()) {
            throw new IllegalArgumentException("Cannot measure distance between " + getWorld().getName() + " and "
                    + o.getWorld().getName());
        }
        double dx = x - o.x;
        double dy = y - o.y;
        double dz = z - o.z;
        return dx * dx + dy * dy + dz * dz;
    }

    public Location multiply(double m) {
        x *= m;
        y *= m;
        z *= m;
        return this;
    }

    public Location zero() {
        x = 0;
        y = 0;
        z = 0;
        return this;
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof Location)) {
            return false;
        }
        Location o = (Location) obj;
        if (world != o.world && (world == null || !world.equals(o.world))) {
            return false;
        }
        return Double.doubleToLongBits(x) == Double.doubleToLongBits(o.x)
                && Double.doubleToLongBits(y) == Double.doubleToLongBits(o.y)
                && Double.doubleToLongBits(z) == Double.doubleToLongBits(o.z)
                && Float.floatToIntBits(pitch) == Float.floatToIntBits(o.pitch)
                && Float.floatToIntBits(yaw) == Float.floatToIntBits(o.yaw);
    }

    @Override
    public int hashCode() {
        int hash = 3;
        hash = 19 * hash + (world != null ? world.hashCode() : 0);
        hash = 19 * hash + (int) (Double.doubleToLongBits(x) ^ (Double.doubleToLongBits(x) >>> 32));
        hash = 19 * hash + (int) (Double.doubleToLongBits(y) ^ (Double.doubleToLongBits(y) >>> 32));
        hash = 19 * hash + (int) (Double.doubleToLongBits(z) ^ (Double.doubleToLongBits(z) >>> 32));
        hash = 19 * hash + Float.floatToIntBits(pitch);
        hash = 19 * hash + Float.floatToIntBits(yaw);
        return hash;
    }

    @Override
    public String toString() {
        return "Location{world=" + world + ",x=" + x + ",y=" + y + ",z=" + z + ",pitch=" + pitch + ",yaw=" + yaw + "}";
    }

    public Vector toVector() {
        return new Vector(x, y, z);
    }

    @Override
    public Location clone() {
        try {
            return (Location) super.clone();
        } catch (CloneNotSupportedException e) {
            throw new Error(e);
        }
    }

    /** The block coordinate a coordinate falls in (rounded down, also below zero). */
    public static int locToBlock(double loc) {
        return NumberConversions.floor(loc);
    }

    /** The world by name, the coordinates and the look, as a configuration keeps them. */
    public Map<String, Object> serialize() {
        Map<String, Object> data = new LinkedHashMap<String, Object>();
        data.put("world", world == null ? null : world.getName());
        data.put("x", x);
        data.put("y", y);
        data.put("z", z);
        data.put("yaw", yaw);
        data.put("pitch", pitch);
        return data;
    }

    /** A location from a map written by serialize; the world must be loaded. */
    public static Location deserialize(Map<String, Object> args) {
        World world = Bukkit.getWorld(String.valueOf(args.get("world")));
        if (world == null) {
            throw new IllegalArgumentException("unknown world");
        }
        return new Location(world, NumberConversions.toDouble(args.get("x")), NumberConversions.toDouble(args.get("y")),
                NumberConversions.toDouble(args.get("z")), NumberConversions.toFloat(args.get("yaw")),
                NumberConversions.toFloat(args.get("pitch")));
    }
}
